// The classroom page on a class of its own, without the main window or a sign-in: status lines
// handed to its link as the communication loop would, errors ending in the general error report.
#include "common/ui/errorreport.h"
#include "console/classroom/classroompage.h"
#include "console/classroom/statusicons.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/standaloneclass.h"

#include <QMessageBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

bool IconAt(const QImage& picture, int x, int y, int status)
{
    return picture.copy(x, y, 32, 32) == Brivane::StatusIconImage(status).convertToFormat(picture.format());
}

} // namespace

class TestClassroomPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
    }
    void statusMessages()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QList<int>, statuses);
        QFETCH(int, redraws);
        QFETCH(QStringList, errors);
        StandaloneClass lesson({"Jane", "Doe", "Bo", "Li", "Al", "Ng"});
        ModalWatcher boxes;
        QWidget tab;
        tab.resize(780, 496);
        Brivane::TClassroomPage page(lesson, &tab);
        page.SetPictureSize(1280, 1024);
        page.DrawClassroom();
        const int drawsBefore = page.DrawCount();
        for (qsizetype i = 0; i < errors.size(); ++i)
            boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        // Each line handled as one tick of the loop: what it throws goes to the general report.
        for (const QByteArray& line : lines)
            Quillon::Guarded(&tab, [&] { lesson.Link().HandleLine(line); });

        const auto status = [&lesson](int i) { return int(lesson.Roster().Items(i)->FStatus); };
        QCOMPARE((QList<int>{status(0), status(1), status(2), int(lesson.Teacher().FStatus)}), statuses);
        QCOMPARE(page.DrawCount() - drawsBefore, redraws);
        QCOMPARE(boxes.SeenTexts(), errors);
        // The picture shows what was last drawn: the first student's icon comes first in any layout.
        QVERIFY(IconAt(page.Picture(), 60, 120, redraws > 0 ? statuses[0] : int(Quillon::ssOffline)));
    }

    void offlineStudent_leavesThePushLists()
    {
        StandaloneClass lesson({"Jane", "Doe", "Bo", "Li"});
        QWidget tab;
        Brivane::TClassroomPage page(lesson, &tab);
        lesson.Receive({"Bo", "Li", "4", "2"});
        lesson.Receive({"Bo", "Li", "4", "0"});
        lesson.Receive({"Jane", "Doe", "4", "0"});
        QCOMPARE(lesson.RemovedFromPush, (QList<QByteArray>{"Bo Li", "Jane Doe"}));
    }
};

QTEST_MAIN(TestClassroomPage)
#include "test_classroompage.moc"
