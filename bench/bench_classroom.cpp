// The classroom picture: a redraw, and one inbound status line (code 4) handled end to end by the
// page. Floor: the same picture drawn with plain QPainter calls (white fill, the icon images, the
// names in the same font).
#include "bench/benchapplication.h"
#include "bench/benchtable.h"
#include "common/core/studentlist.h"
#include "console/classroom/classroompage.h"
#include "console/classroom/classroompainter.h"
#include "console/classroom/statusicons.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>

using namespace Brivane;
using Quillon::TStudent;
using Quillon::TStudentList;

namespace {

constexpr int PanelWidth = 780;

void FillRoster(TStudentList& roster, std::int64_t students)
{
    for (std::int64_t i = 0; i < students; ++i) {
        TStudent* student = roster.Add();
        student->FFirstName = "First" + QByteArray::number(i);
        student->FLastName = "Last" + QByteArray::number(i);
        student->SetStatus(static_cast<int>(i % 8));
    }
}

class BenchClass final : public TClassContext
{
public:
    explicit BenchClass(std::int64_t students)
    {
        FillRoster(m_roster, students);
        m_teacher.FFirstName = "Ann";
        m_teacher.FLastName = "Lee";
    }
    TStudentList& Roster() override { return m_roster; }
    TStudent& Teacher() override { return m_teacher; }
    const QByteArray& ClassCourse() const override { return m_course; }
    TClassLink& Link() override { return m_link; }
    void MarkOnline(const QByteArray&, const QByteArray&) override {}
    void RemoveFromPushList(const TStudent&) override {}
    void ShowStatus(int, const QString&) override {}

private:
    TStudentList m_roster;
    TStudent m_teacher;
    QByteArray m_course = "Algebra";
    TClassLink m_link{500};
};

// Plain drawing of the picture; onlyInside stops at the first row below the picture.
void PlainPicture(QImage& picture, int panelWidth, const TStudent& teacher, const TStudentList& roster,
                  bool onlyInside)
{
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), Qt::white);
    painter.setFont(TClassroomPainter::PictureFont());
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawImage(panelWidth / 2 - 16, 40, StatusIconImage(teacher.FStatus));
    const QString label = QString::fromLatin1(teacher.FullName() + "(Algebra)");
    painter.drawText(panelWidth / 2 - metrics.horizontalAdvance(label) / 2, 80 + metrics.ascent(), label);
    const int columns = ClassroomColumns(panelWidth);
    for (int i = 0; i < roster.Count(); ++i) {
        const TStudent& student = *roster.Items(i);
        const int x = (i % columns) * 120 + 60;
        const int y = (i / columns) * 80 + 120;
        if (onlyInside && y >= picture.height())
            break;
        painter.setPen(student.FStatus ? QColor(255, 0, 0) : QColor(0, 0, 0));
        painter.drawImage(x, y, StatusIconImage(student.FStatus));
        const QString name = QString::fromLatin1(student.FullName());
        painter.drawText(x + 16 - metrics.horizontalAdvance(name) / 2, y + 40 + metrics.ascent(), name);
    }
}

QImage BlankPicture()
{
    QImage picture(1280, 1024, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    return picture;
}

void PlainRedraw(benchmark::State& state, bool onlyInside)
{
    BenchApplication();
    BenchClass lesson(state.range(0));
    QImage picture = BlankPicture();
    for (auto _ : state) {
        PlainPicture(picture, PanelWidth, lesson.Teacher(), lesson.Roster(), onlyInside);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void Redraw(benchmark::State& state)
{
    BenchApplication();
    BenchClass lesson(state.range(0));
    TClassroomPainter painter;
    painter.SetSize(1280, 1024);
    for (auto _ : state)
        painter.Draw(PanelWidth, lesson.Teacher(), lesson.ClassCourse(), lesson.Roster());
}

QByteArray StatusLine(const TStudent& sender, int status)
{
    return QByteArray("\xC2\xC3\xC4$$$", 6) + sender.FFirstName + "$$$" + sender.FLastName + "$$$4$$$" +
           QByteArray::number(status);
}

// The line from the roster's last student (the whole roster searched), its status alternating.
void StatusLineHandled(benchmark::State& state)
{
    BenchApplication();
    BenchClass lesson(state.range(0));
    QWidget tab;
    tab.resize(792, 508);
    TClassroomPage page(lesson, &tab);
    page.SetPictureSize(1280, 1024);
    tab.show();
    QCoreApplication::processEvents();
    const TStudent& sender = *lesson.Roster().Items(lesson.Roster().Count() - 1);
    const QByteArray lines[2] = {StatusLine(sender, 3), StatusLine(sender, 5)};
    int n = 0;
    for (auto _ : state)
        lesson.Link().HandleLine(lines[n++ & 1]);
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    RegisterRow("classroom picture redraw", 1.5, {24, 200, 1000}, Redraw,
                [](benchmark::State& s) { PlainRedraw(s, false); });
    RegisterRow("classroom status line (code 4)", 1.5, {24, 200, 1000}, StatusLineHandled,
                [](benchmark::State& s) { PlainRedraw(s, false); });
    // A huge roster: the floor draws what the picture can hold, as drawing the rest shows nothing.
    RegisterRow("classroom status line, huge roster", 1.5, {5000, 20000, 50000}, StatusLineHandled,
                [](benchmark::State& s) { PlainRedraw(s, true); });
    return true;
}();

} // namespace
