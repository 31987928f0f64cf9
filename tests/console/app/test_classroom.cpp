// The "Classroom" tab on the real window: its controls, the expression buttons and the status
// messages (codes 4, 7 and 9) fed through the communication loop by a scripted server.
#include "application.h"
#include "apppath.h"
#include "classroompainter.h"
#include "consolesignin.h"
#include "modalwatcher.h"
#include "program.h"
#include "scriptedpeer.h"
#include "statusicons.h"
#include "testconfig.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Brivane::TProgram;
using Quillon::Application;

namespace {

bool IconAt(const QImage& picture, int x, int y, int status)
{
    return picture.copy(x, y, 32, 32) == Brivane::StatusIconImage(status).convertToFormat(picture.format());
}

} // namespace

class TestClassroom : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ScriptedPeer> m_commServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<TProgram> m_program;

    Brivane::TForm_Main& form() const { return *m_program->Form_Main; }
    template <typename T> T* control(const QString& name) const { return form().findChild<T*>(name); }
    int status(int student) const { return form().Roster().Items(student)->FStatus; }

    // Signs in as Ann Lee for Algebra and joins the class on the scripted communication server;
    // the roster comes as pairs of names.
    void joinClass(const QList<QByteArray>& roster = {"Jane", "Doe", "Bo", "Li", "Al", "Ng"})
    {
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        m_program = std::make_unique<TProgram>();
        Quillon::AppPath = m_dir.path() + QLatin1Char('/');
        m_boxes->Then(ModalWatcher::Login(u"Ann"_s, u"Lee"_s, u"pw"_s));
        form().show();
        ScriptConsoleSignIn(*m_nameServer, *m_commServer, *m_boxes, {"Algebra"}, 0, roster);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(control<QTimer>(u"Timer2"_s)->isActive());
    }

    // A line that does nothing (code 5), sent last: once the status bar shows it, every line
    // before it has been handled.
    void sendMarkerAndWait()
    {
        m_commServer->SendLine(Packet({"Mark", "Er", "5"}));
        QTRY_COMPARE_WITH_TIMEOUT(form().PanelText(2), u"Last msg by: Mark Er"_s, 10000);
    }

private Q_SLOTS:
    void init()
    {
        Application().Reset(u"Brivane"_s);
        m_nameServer = std::make_unique<ScriptedPeer>();
        m_commServer = std::make_unique<ScriptedPeer>();
        m_boxes = std::make_unique<ModalWatcher>();
    }

    void cleanup()
    {
        m_program.reset();
        m_boxes.reset();
        m_commServer.reset();
        m_nameServer.reset();
        QFile::remove(m_dir.filePath(u"config_teacher.ini"_s));
    }

    void controls_asLaidOut_happyDownAtStart()
    {
        m_program = std::make_unique<TProgram>();
        auto* panel = control<QFrame>(u"Panel_Class"_s);
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), control<QWidget>(u"ts_Classroom"_s));
        QCOMPARE(panel->frameShape(), QFrame::Panel);
        QCOMPARE(panel->frameShadow(), QFrame::Sunken);
        QCOMPARE(panel->lineWidth(), 3);
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(panel->backgroundRole(), QPalette::Base);

        auto* picture = control<QLabel>(u"imgClassroom"_s);
        QVERIFY(picture);
        QCOMPARE(picture->parentWidget(), panel);
        QCOMPARE(picture->geometry(), QRect(6, 6, 1280, 1024));
        QCOMPARE(form().ClassroomPicture().size(), QSize(1280, 1024));

        auto* group = control<QGroupBox>(u"grbExpression"_s);
        QVERIFY(group);
        QCOMPARE(group->parentWidget(), panel);
        QCOMPARE(group->geometry(), QRect(8, 10, 194, 41));

        const QStringList names = {u"changeStatus"_s, u"SpeedButton7"_s,  u"SpeedButton8"_s,
                                   u"SpeedButton9"_s, u"SpeedButton10"_s, u"SpeedButton11"_s};
        const QStringList hints = {u"Happy"_s, u"Sad"_s, u"Winking"_s, u"Crying"_s, u"Yes"_s, u"No"_s};
        for (int i = 0; i < names.size(); ++i) {
            auto* button = control<QToolButton>(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->parentWidget(), group);
            QCOMPARE(button->size(), QSize(32, 32));
            QCOMPARE(button->property("Tag").toInt(), i + 1);
            QCOMPARE(button->toolTip(), hints[i]);
            QCOMPARE(button->isChecked(), i == 0);
            QVERIFY(!button->icon().isNull());
        }
        // Not connected: the write fails and the general error report shows it.
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        control<QToolButton>(u"SpeedButton9"_s)->click();
        QCOMPARE(m_boxes->SeenBoxes().size(), 1);
        QCOMPARE(m_boxes->SeenTexts(), QStringList{u"Not Connected"_s});
        QVERIFY(control<QToolButton>(u"SpeedButton9"_s)->isChecked());
        QVERIFY(!control<QToolButton>(u"changeStatus"_s)->isChecked());
    }

    void expressionButtons_sendCode7_teacherIconWaitsForServer()
    {
        joinClass();
        const int draws = form().ClassroomDrawCount();
        control<QToolButton>(u"SpeedButton8"_s)->click();
        control<QToolButton>(u"SpeedButton8"_s)->click(); // already down: sends again
        control<QToolButton>(u"changeStatus"_s)->click();
        QVERIFY(m_commServer->WaitForLines(3));
        QCOMPARE(m_commServer->Received(), QByteArray("\xC2\xC3\xC4$$$7$$$3\r\n"
                                                      "\xC2\xC3\xC4$$$7$$$3\r\n"
                                                      "\xC2\xC3\xC4$$$7$$$1\r\n"));
        QCOMPARE(int(form().Teacher().FStatus), 0);
        QCOMPARE(form().ClassroomDrawCount(), draws);
    }

    // The roster is Jane Doe, Bo Li and Al Ng, all absent at first; the teacher is absent too.
    void statusMessages_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QList<int>>("statuses"); // Jane, Bo, Al, then the teacher
        QTest::addColumn<int>("redraws");
        QTest::addColumn<QStringList>("errors");

        using L = QList<QByteArray>;
        QTest::newRow("4 sets the sender's status")
            << L{Packet({"Jane", "Doe", "4", "3"})} << QList<int>{3, 0, 0, 0} << 1 << QStringList();
        QTest::newRow("4 names without case, back to absent")
            << L{Packet({"Bo", "Li", "4", "5"}), Packet({"BO", "li", "4", "0"})} << QList<int>{0, 0, 0, 0}
            << 2 << QStringList();
        QTest::newRow("4 from outside the roster: nothing, not even its bad status")
            << L{Packet({"Zed", "Nobody", "4", "2"}), Packet({"Zed", "Nobody", "4", "x"})}
            << QList<int>{0, 0, 0, 0} << 0 << QStringList();
        QTest::newRow("4 with 8 or -1 keeps the status, still redraws")
            << L{Packet({"Al", "Ng", "4", "6"}), Packet({"Al", "Ng", "4", "8"}),
                 Packet({"Al", "Ng", "4", "-1"})}
            << QList<int>{0, 0, 6, 0} << 3 << QStringList();
        QTest::newRow("4 with a status that does not convert")
            << L{Packet({"Jane", "Doe", "4", "2"}), Packet({"Jane", "Doe", "4", "2x"})}
            << QList<int>{2, 0, 0, 0} << 1 << QStringList{u"'2x' is not a valid integer value"_s};
        QTest::newRow("7 from any sender, 8 ignored")
            << L{Packet({"Zed", "Nobody", "7", "4"}), Packet({"Jane", "Doe", "7", "8"})}
            << QList<int>{0, 0, 0, 4} << 2 << QStringList();
        QTest::newRow("9 skips a group naming nobody, one redraw")
            << L{Packet({"Srv", "", "9", "2", "Bo", "Li", "5", "No", "Body", "4", "al", "NG", "7"})}
            << QList<int>{0, 5, 7, 2} << 1 << QStringList();
        QTest::newRow("9 with blanks after the last group")
            << L{Packet({"Srv", "", "9", "1", "Jane", "Doe", "6", " \t"})} << QList<int>{6, 0, 0, 1} << 1
            << QStringList();
        QTest::newRow("9 with -1 and 8 keeps the statuses")
            << L{Packet({"Srv", "", "9", "1", "Jane", "Doe", "3"}),
                 Packet({"Srv", "", "9", "-1", "Jane", "Doe", "8"})}
            << QList<int>{3, 0, 0, 1} << 2 << QStringList();
        QTest::newRow("9 bad status mid-way: earlier groups stay, no redraw")
            << L{Packet({"Srv", "", "9", "3", "Jane", "Doe", "2", "Bo", "Li", "zz", "Al", "Ng", "4"})}
            << QList<int>{2, 0, 0, 3} << 0 << QStringList{u"'zz' is not a valid integer value"_s};
        QTest::newRow("9 last group lacking its status")
            << L{Packet({"Srv", "", "9", "1", "Jane", "Doe", "1", "Bo", "Li"})} << QList<int>{1, 0, 0, 1} << 0
            << QStringList{u"'' is not a valid integer value"_s};
        QTest::newRow("chat marks an absent sender present, keeps a present one")
            << L{Packet({"Jane", "Doe", "12", "0", "0", "Hi"}), Packet({"Bo", "Li", "4", "3"}),
                 Packet({"bo", "li", "12", "0", "0", "Hi"})}
            << QList<int>{1, 3, 0, 0} << 2 << QStringList();
    }
    void statusMessages()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QList<int>, statuses);
        QFETCH(int, redraws);
        QFETCH(QStringList, errors);
        joinClass();
        const int boxesBefore = static_cast<int>(m_boxes->SeenBoxes().size());
        const int drawsBefore = form().ClassroomDrawCount();
        for (qsizetype i = 0; i < errors.size(); ++i)
            m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        for (const QByteArray& line : lines)
            m_commServer->SendLine(line);
        sendMarkerAndWait();

        QCOMPARE((QList<int>{status(0), status(1), status(2), int(form().Teacher().FStatus)}), statuses);
        QCOMPARE(form().ClassroomDrawCount() - drawsBefore, redraws);
        QCOMPARE(m_boxes->SeenTexts().mid(boxesBefore), errors);
        // The picture shows what was last drawn: the first student's icon comes first in any layout.
        if (redraws > 0)
            QVERIFY(IconAt(form().ClassroomPicture(), 60, 120, statuses[0]));
        QVERIFY(!Application().Terminated());
    }

    void classroomTab_sixColumnsAtDesignedSize_resizeRedraws()
    {
        joinClass({"A", "One", "B", "Two", "C", "Three", "D", "Four", "E", "Five", "F", "Six", "G", "Seven"});
        m_commServer->SendLine(Packet({"Srv", "", "9", "5", "G", "Seven", "4", "B", "Two", "2"}));
        sendMarkerAndWait();
        control<QTabWidget>(u"PageControl_Main"_s)->setCurrentIndex(1);
        auto* panel = control<QFrame>(u"Panel_Class"_s);
        QTRY_COMPARE(panel->width(), control<QWidget>(u"ts_Classroom"_s)->width());
        QCOMPARE(Brivane::ClassroomColumns(panel->width()), 6);
        const QImage& picture = form().ClassroomPicture();
        QVERIFY(IconAt(picture, 180, 120, 2));
        QVERIFY(IconAt(picture, 660, 120, 0));
        QVERIFY(IconAt(picture, 60, 200, 4));
        QVERIFY(IconAt(picture, panel->width() / 2 - 16, 40, 5));

        const int draws = form().ClassroomDrawCount();
        panel->resize(299, panel->height());
        QCOMPARE(form().ClassroomDrawCount(), draws + 1);
        QVERIFY(IconAt(picture, 133, 40, 5));
        QVERIFY(IconAt(picture, 60, 200, 2));
        QVERIFY(IconAt(picture, 60, 600, 4));
    }
};

QTEST_MAIN(TestClassroom)
#include "test_classroom.moc"
