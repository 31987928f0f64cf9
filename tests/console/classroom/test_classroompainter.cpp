// The classroom picture read pixel by pixel: where icons and labels land and in which colour.
#include "console/classroom/classroompainter.h"
#include "console/classroom/statusicons.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;
using Brivane::TClassroomPainter;
using Quillon::TStudent;
using Quillon::TStudentList;

namespace {

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

struct Class
{
    TStudent teacher;
    QByteArray course = "Algebra";
    TStudentList roster;

    Class()
    {
        teacher.FFirstName = "Ann";
        teacher.FLastName = "Lee";
    }
    TStudent* add(const QByteArray& first, const QByteArray& last, int status)
    {
        TStudent* student = roster.Add();
        student->FFirstName = first;
        student->FLastName = last;
        student->SetStatus(status);
        return student;
    }
};

TClassroomPainter NewPainter()
{
    TClassroomPainter painter;
    painter.SetSize(1280, 1024);
    return painter;
}

QFontMetrics Metrics(const QImage& picture)
{
    return QFontMetrics(TClassroomPainter::PictureFont(), &picture);
}

// The text alone, drawn in `colour` with its box's top-left corner at (margin, margin) on white.
QImage Reference(const QImage& picture, const QString& text, const QColor& colour, int margin)
{
    const QFontMetrics metrics = Metrics(picture);
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(picture.dotsPerMeterX());
    image.setDotsPerMeterY(picture.dotsPerMeterY());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(TClassroomPainter::PictureFont());
    painter.setPen(colour);
    painter.drawText(margin, margin + metrics.ascent(), text);
    return image;
}

// The label's box (top-left at x, y) and a few pixels round it hold exactly this text in this
// colour and nothing else.
bool LabelAt(const QImage& picture, const QString& text, int x, int y, const QColor& colour)
{
    constexpr int margin = 4;
    const QImage expected = Reference(picture, text, colour, margin);
    const QImage actual = picture.copy(x - margin, y - margin, expected.width(), expected.height());
    if (actual != expected) {
        qWarning().noquote() << "label" << text << "not found at" << x << y;
        return false;
    }
    return true;
}

bool IconAt(const QImage& picture, int x, int y, int status)
{
    const QImage expected = Brivane::StatusIconImage(status).convertToFormat(QImage::Format_RGB32);
    if (picture.copy(x, y, 32, 32) != expected) {
        qWarning() << "icon" << status << "not found at" << x << y;
        return false;
    }
    return true;
}

int LabelX(const QImage& picture, int centre, const QString& text)
{
    return centre - Metrics(picture).horizontalAdvance(text) / 2;
}

QRect NonWhiteBounds(const QImage& picture)
{
    QRect bounds;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

// The whole picture made the plain way: every student drawn, whether it lands inside or not.
QImage EveryStudentDrawn(const QImage& blank, int panelWidth, const Class& cls, const QColor& teacherColour)
{
    using namespace Brivane::ClassroomLayout;
    QImage image = blank;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(TClassroomPainter::PictureFont());
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics metrics = painter.fontMetrics();
    const auto text = [&](int x, int y, const QString& s, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(x, y + metrics.ascent(), s);
    };
    painter.drawImage(panelWidth / 2 - 16, TeacherIconY, Brivane::StatusIconImage(cls.teacher.FStatus));
    const QString label = QString::fromLatin1(cls.teacher.FullName() + '(' + cls.course + ')');
    text(panelWidth / 2 - metrics.horizontalAdvance(label) / 2, TeacherLabelY, label, teacherColour);
    const int columns = Brivane::ClassroomColumns(panelWidth);
    for (int i = 0; i < cls.roster.Count(); ++i) {
        const TStudent& student = *cls.roster.Items(i);
        const int x = (i % columns) * 120 + 60;
        const int y = (i / columns) * 80 + 120;
        painter.drawImage(x, y, Brivane::StatusIconImage(student.FStatus));
        const QString name = QString::fromLatin1(student.FullName());
        text(x + 16 - metrics.horizontalAdvance(name) / 2, y + 40, name, student.FStatus ? Red : Black);
    }
    return image;
}

} // namespace

class TestClassroomPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columns_followPanelWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::newRow("designed 780") << 780 << 6;
        QTest::newRow("299 is one") << 299 << 1;
        QTest::newRow("300 is two") << 300 << 2;
        QTest::newRow("59 gives 0, made 1") << 59 << 1;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1000 truncates") << 1000 << 7;
    }
    void columns_followPanelWidth()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QCOMPARE(Brivane::ClassroomColumns(width), columns);
    }

    void sixColumns_gridPositions_redPresentBlackAbsent()
    {
        Class cls;
        for (int status = 0; status < 8; ++status)
            cls.add("S" + QByteArray::number(status), "Kid", status);
        cls.teacher.SetStatus(5);
        TClassroomPainter painter = NewPainter();
        painter.Draw(780, cls.teacher, cls.course, cls.roster);
        const QImage& picture = painter.Picture();

        QVERIFY(IconAt(picture, 374, 40, 5));
        QVERIFY(
            LabelAt(picture, u"Ann Lee(Algebra)"_s, LabelX(picture, 390, u"Ann Lee(Algebra)"_s), 80, Black));

        const QPoint places[] = {{60, 120},  {180, 120}, {300, 120}, {420, 120},
                                 {540, 120}, {660, 120}, {60, 200},  {180, 200}};
        for (int i = 0; i < 8; ++i) {
            const QString name = u"S%1 Kid"_s.arg(i);
            QVERIFY(IconAt(picture, places[i].x(), places[i].y(), i));
            QVERIFY(LabelAt(picture, name, LabelX(picture, places[i].x() + 16, name), places[i].y() + 40,
                            i == 0 ? Black : Red));
        }
    }

    void narrowPanel_oneStudentPerRow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("teacherX");
        QTest::newRow("299") << 299 << 133;
        QTest::newRow("181") << 181 << 74;
    }
    void narrowPanel_oneStudentPerRow()
    {
        QFETCH(int, width);
        QFETCH(int, teacherX);
        Class cls;
        cls.add("Jane", "Doe", 1);
        cls.add("Bo", "Li", 0);
        cls.add("Al", "Ng", 6);
        TClassroomPainter painter = NewPainter();
        painter.Draw(width, cls.teacher, cls.course, cls.roster);
        const QImage& picture = painter.Picture();

        QVERIFY(IconAt(picture, teacherX, 40, 0));
        QVERIFY(LabelAt(picture, u"Ann Lee(Algebra)"_s, LabelX(picture, width / 2, u"Ann Lee(Algebra)"_s), 80,
                        Black));
        QVERIFY(IconAt(picture, 60, 120, 1));
        QVERIFY(IconAt(picture, 60, 200, 0));
        QVERIFY(IconAt(picture, 60, 280, 6));
        QVERIFY(LabelAt(picture, u"Bo Li"_s, LabelX(picture, 76, u"Bo Li"_s), 240, Black));
        QVERIFY(LabelAt(picture, u"Al Ng"_s, LabelX(picture, 76, u"Al Ng"_s), 320, Red));
        QVERIFY(NonWhiteBounds(picture.copy(150, 110, 400, 400)).isNull()); // no second column
    }

    void teacherLabel_nameAndCourseWithoutBlank_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("course");
        QTest::addColumn<QString>("label");
        QTest::newRow("course") << QByteArray("Ann") << QByteArray("Algebra") << u"Ann Lee(Algebra)"_s;
        QTest::newRow("empty course") << QByteArray("Ann") << QByteArray() << u"Ann Lee()"_s;
        QTest::newRow("Windows-1252 name")
            << QByteArray("\xC9lise") << QByteArray("G\xE9o") << u"\u00C9lise Lee(G\u00E9o)"_s;
        QTest::newRow("unnamed") << QByteArray() << QByteArray() << u" Lee()"_s;
    }
    void teacherLabel_nameAndCourseWithoutBlank()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, course);
        QFETCH(QString, label);
        Class cls;
        cls.teacher.FFirstName = first;
        TClassroomPainter painter = NewPainter();
        painter.Draw(781, cls.teacher, course, cls.roster);
        QVERIFY(LabelAt(painter.Picture(), label, LabelX(painter.Picture(), 390, label), 80, Black));
    }

    // The label takes whatever colour the canvas was left with: black at first, then the colour of
    // the last name of the drawing before.
    void teacherLabel_colourOfPreviousDrawingsLastName()
    {
        Class cls;
        cls.add("Jane", "Doe", 0);
        TStudent* last = cls.add("Bo", "Li", 2);
        TClassroomPainter painter = NewPainter();
        const QString label = u"Ann Lee(Algebra)"_s;
        auto labelColour = [&](const QColor& colour) {
            painter.Draw(780, cls.teacher, cls.course, cls.roster);
            return LabelAt(painter.Picture(), label, LabelX(painter.Picture(), 390, label), 80, colour);
        };
        QVERIFY(labelColour(Black));
        QVERIFY(labelColour(Red));
        last->SetStatus(0);
        QVERIFY(labelColour(Red));
        QVERIFY(labelColour(Black));
        last->SetStatus(4);
        QVERIFY(labelColour(Black));
        cls.roster.Clear();
        QVERIFY(labelColour(Red));
        QVERIFY(labelColour(Red));
    }

    void emptyRoster_onlyTheTeacher_earlierDrawingWipedOut()
    {
        Class cls;
        for (int i = 0; i < 20; ++i)
            cls.add("Kid", QByteArray::number(i), 1);
        TClassroomPainter painter = NewPainter();
        painter.Draw(780, cls.teacher, cls.course, cls.roster);
        cls.roster.Clear();
        painter.Draw(780, cls.teacher, cls.course, cls.roster);
        const QImage& picture = painter.Picture();

        const QString label = u"Ann Lee(Algebra)"_s;
        const QFontMetrics metrics = Metrics(picture);
        const QRect iconBox(374, 40, 32, 32);
        const QRect labelBox(LabelX(picture, 390, label), 80, metrics.horizontalAdvance(label),
                             metrics.height());
        QVERIFY(IconAt(picture, 374, 40, 0));
        QVERIFY(LabelAt(picture, label, labelBox.x(), 80, Red));
        const QRect bounds = NonWhiteBounds(picture);
        QVERIFY2(
            (iconBox | labelBox.adjusted(-1, 0, 1, 0)).contains(bounds),
            qPrintable(
                u"%1,%2 %3x%4"_s.arg(bounds.x()).arg(bounds.y()).arg(bounds.width()).arg(bounds.height())));
        QCOMPARE(painter.DrawCount(), 2);
    }

    // Students beyond the picture's edges are left out of the drawing, which must not show: the
    // picture stays what drawing every one of them gives, names reaching in from the right
    // included, and the teacher's label still takes the colour of the roster's last name.
    void picture_sameAsDrawingEveryStudent_data()
    {
        QTest::addColumn<int>("panelWidth");
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("nameLength");
        QTest::newRow("rows below the bottom") << 300 << 40 << 6;
        QTest::newRow("columns beyond the right edge, long names") << 1200 << 60 << 60;
        QTest::newRow("one column, names wider than the picture") << 100 << 20 << 120;
    }
    void picture_sameAsDrawingEveryStudent()
    {
        QFETCH(int, panelWidth);
        QFETCH(int, students);
        QFETCH(int, nameLength);
        Class cls;
        cls.teacher.SetStatus(3);
        for (int i = 0; i < students; ++i)
            cls.add(QByteArray(nameLength, 'W') + QByteArray::number(i), "Kid", i % 8);
        cls.roster.Items(students - 1)->SetStatus(0); // the last name black, the one before it red
        TClassroomPainter painter;
        painter.SetSize(400, 300);
        painter.Draw(panelWidth, cls.teacher, cls.course, cls.roster);
        QCOMPARE(painter.Picture(), EveryStudentDrawn(painter.Picture(), panelWidth, cls, Black));
        cls.roster.Items(students - 1)->SetStatus(5);
        painter.Draw(panelWidth, cls.teacher, cls.course, cls.roster);
        QCOMPARE(painter.Picture(), EveryStudentDrawn(painter.Picture(), panelWidth, cls, Black));
        painter.Draw(panelWidth, cls.teacher, cls.course, cls.roster);
        QCOMPARE(painter.Picture(), EveryStudentDrawn(painter.Picture(), panelWidth, cls, Red));
    }

    void studentsBelowThePicture_drawnWithoutHarm()
    {
        Class cls;
        for (int i = 0; i < 20; ++i)
            cls.add("Kid", QByteArray::number(i), 7);
        TClassroomPainter painter;
        painter.SetSize(200, 300);
        painter.Draw(100, cls.teacher, cls.course, cls.roster);
        QVERIFY(IconAt(painter.Picture(), 60, 120, 7));
        QVERIFY(IconAt(painter.Picture(), 60, 200, 7));
    }
};

QTEST_MAIN(TestClassroomPainter)
#include "test_classroompainter.moc"
