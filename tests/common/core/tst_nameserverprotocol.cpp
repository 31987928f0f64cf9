#include "common/core/nameserverprotocol.h"

#include "common/core/error.h"
#include "common/core/wire.h"

#include <QTest>

using namespace Quillon;
using namespace Quillon::NameServer;

namespace {
const QByteArray H = PacketHeader;
} // namespace

class TestNameServerProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void effectivePassword_data();
    void effectivePassword();
    void credentialsLine_keepsBlanksAroundNames();
    void clientLines();
    void gradeUploadLine_data();
    void gradeUploadLine();
    void readCode_data();
    void readCode();
    void readCourseList_data();
    void readCourseList();
    void readCommServer();
    void readCommServer_badPort_throws();
    void readConsoleRoster_data();
    void readConsoleRoster();
    void readOfficeRoster();
    void readTitles_data();
    void readTitles();
};

void TestNameServerProtocol::effectivePassword_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("empty_sends7193") << QByteArray() << QByteArray("7193");
    QTest::newRow("blanksOnly_sends7193") << QByteArray("   ") << QByteArray("7193");
    QTest::newRow("tabOnly_sends7193") << QByteArray("\t") << QByteArray("7193");
    QTest::newRow("blanksAround_kept") << QByteArray(" pw ") << QByteArray(" pw ");
    QTest::newRow("plain") << QByteArray("secret") << QByteArray("secret");
}

void TestNameServerProtocol::effectivePassword()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, sent);
    QCOMPARE(EffectivePassword(typed), sent);
}

void TestNameServerProtocol::credentialsLine_keepsBlanksAroundNames()
{
    QCOMPARE(CredentialsLine(ConsoleCredentialsCode, " Ann", "Lee ", "7193"),
             QByteArray(H + "$$$2$$$ Ann$$$Lee $$$7193"));
    QCOMPARE(CredentialsLine(OfficeCredentialsCode, "", "", "pw"), QByteArray(H + "$$$3$$$$$$$$$pw"));
}

void TestNameServerProtocol::clientLines()
{
    QCOMPARE(CourseChoiceLine("Math 101"), QByteArray(H + "$$$Math 101"));
    QCOMPARE(CourseChoiceLine(""), QByteArray(H + "$$$"));
    QCOMPARE(AcknowledgementLine(), H);
}

void TestNameServerProtocol::gradeUploadLine_data()
{
    QTest::addColumn<QByteArray>("grades");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("twoStudents") << QByteArray("s1$$$A;B$$$s2$$$C;")
                                 << QByteArray(H + "$$$Math$$$s1$$$A;B$$$s2$$$C;");
    QTest::newRow("emptyRoster_finalSeparator") << QByteArray() << QByteArray(H + "$$$Math$$$");
}

void TestNameServerProtocol::gradeUploadLine()
{
    QFETCH(QByteArray, grades);
    QFETCH(QByteArray, line);
    QCOMPARE(GradeUploadLine("Math", grades), line);
}

void TestNameServerProtocol::readCode_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<std::optional<int>>("code");
    QTest::addColumn<QByteArray>("rest");
    QTest::newRow("credentialsRequest") << QByteArray(H + "$$$0") << std::optional<int>(0) << QByteArray();
    QTest::newRow("roster") << QByteArray(H + "$$$3$$$Ann$$$Lee") << std::optional<int>(3)
                            << QByteArray("Ann$$$Lee");
    QTest::newRow("leadingZero_isCode3")
        << QByteArray(H + "$$$03$$$x") << std::optional<int>(3) << QByteArray("x");
    QTest::newRow("trailingBlank_dropped")
        << QByteArray(H + "$$$3 $$$x") << std::optional<int>() << QByteArray("x");
    QTest::newRow("headerAlone_dropped") << H << std::optional<int>() << QByteArray();
    QTest::newRow("blankBeforeHeader_dropped")
        << QByteArray(" " + H + "$$$3") << std::optional<int>() << QByteArray("3");
    QTest::newRow("noHeader_dropped") << QByteArray("3$$$x") << std::optional<int>() << QByteArray("x");
    QTest::newRow("hexCode") << QByteArray(H + "$$$$9") << std::optional<int>(9) << QByteArray();
}

void TestNameServerProtocol::readCode()
{
    QFETCH(QByteArray, line);
    QFETCH(std::optional<int>, code);
    QFETCH(QByteArray, rest);
    const std::optional<int> read = ReadCode(line);
    QCOMPARE(read, code);
    QCOMPARE(line, rest);
}

void TestNameServerProtocol::readCourseList_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QList<QByteArray>>("courses");
    QTest::newRow("none") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("two") << QByteArray("Math$$$Art") << QList<QByteArray>{"Math", "Art"};
    QTest::newRow("emptyInside_kept") << QByteArray("Math$$$$$$Art") << QList<QByteArray>{"Math", "", "Art"};
    QTest::newRow("trailingSeparator_noEntry") << QByteArray("Math$$$") << QList<QByteArray>{"Math"};
    QTest::newRow("blanksKept") << QByteArray(" Math ") << QList<QByteArray>{" Math "};
}

void TestNameServerProtocol::readCourseList()
{
    QFETCH(QByteArray, rest);
    QFETCH(QList<QByteArray>, courses);
    QList<QByteArray> list{"Old"};
    ReadCourseList(rest, list);
    QCOMPARE(list, QList<QByteArray>{"Old"} + courses);
}

void TestNameServerProtocol::readCommServer()
{
    QByteArray rest(" host $$$ 5000");
    const CommServerAddress a = ReadCommServer(rest);
    QCOMPARE(a.host, QByteArray("host"));
    QCOMPARE(a.port, 5000);

    QByteArray trailing("h$$$5000 \t");
    QCOMPARE(ReadCommServer(trailing).port, 5000);
}

void TestNameServerProtocol::readCommServer_badPort_throws()
{
    QByteArray bad("host$$$50x0");
    QVERIFY_THROWS_EXCEPTION(ConvertError, ReadCommServer(bad));
    QByteArray missing("host");
    QVERIFY_THROWS_EXCEPTION(ConvertError, ReadCommServer(missing));
}

void TestNameServerProtocol::readConsoleRoster_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QList<QByteArray>>("names"); // first, last pairs
    QTest::newRow("oddField_emptyLast")
        << QByteArray("Ann$$$Lee$$$Bo") << QList<QByteArray>{"Ann", "Lee", "Bo", ""};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("emptyNames") << QByteArray("$$$$$$x") << QList<QByteArray>{"", "", "x", ""};
}

void TestNameServerProtocol::readConsoleRoster()
{
    QFETCH(QByteArray, rest);
    QFETCH(QList<QByteArray>, names);
    TStudentList roster;
    roster.Add()->FFirstName = "Stale";
    ReadConsoleRoster(rest, roster);
    QCOMPARE(roster.Count(), names.size() / 2);
    for (int i = 0; i < roster.Count(); ++i) {
        const TStudent* s = roster.Items(i);
        QCOMPARE(s->FFirstName, names[2 * i]);
        QCOMPARE(s->FLastName, names[2 * i + 1]);
        QCOMPARE(s->FStatus, std::uint8_t(ssOffline));
        QVERIFY(s->FPushPermission);
    }
}

void TestNameServerProtocol::readOfficeRoster()
{
    QByteArray rest("s1$$$Ann$$$Lee$$$ann@x.org$$$A;B$$$s2$$$Bo");
    TStudentList roster;
    roster.Add();
    ReadOfficeRoster(rest, roster);
    QCOMPARE(roster.Count(), 2);
    const TStudent* a = roster.Items(0);
    QCOMPARE(QList<QByteArray>({a->FStudentID, a->FFirstName, a->FLastName, a->FEmail, a->FGrades}),
             QList<QByteArray>({"s1", "Ann", "Lee", "ann@x.org", "A;B"}));
    const TStudent* b = roster.Items(1);
    QCOMPARE(QList<QByteArray>({b->FStudentID, b->FFirstName, b->FLastName, b->FEmail, b->FGrades}),
             QList<QByteArray>({"s2", "Bo", "", "", ""}));
    QVERIFY(!b->FPushPermission);
}

void TestNameServerProtocol::readTitles_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QList<QByteArray>>("columns");
    QTest::addColumn<QList<QByteArray>>("groups");
    QTest::newRow("both") << QByteArray("Quiz 1;Midterm$$$Tests:3:4")
                          << QList<QByteArray>{"Quiz 1", "Midterm"} << QList<QByteArray>{"Tests:3:4"};
    QTest::newRow("fieldTrimmed_itemsNot")
        << QByteArray(" A ; B ;$$$ G:3:3;H:4:4 ") << QList<QByteArray>{"A ", " B "}
        << QList<QByteArray>{"G:3:3", "H:4:4"};
    QTest::newRow("emptyItemInside") << QByteArray("A;;B$$$") << QList<QByteArray>{"A", "", "B"}
                                     << QList<QByteArray>{};
    QTest::newRow("blankField_noTitles")
        << QByteArray("  $$$ ") << QList<QByteArray>{} << QList<QByteArray>{};
    QTest::newRow("noGroupField") << QByteArray("A") << QList<QByteArray>{"A"} << QList<QByteArray>{};
}

void TestNameServerProtocol::readTitles()
{
    QFETCH(QByteArray, rest);
    QFETCH(QList<QByteArray>, columns);
    QFETCH(QList<QByteArray>, groups);
    // A second titles message adds to the first: nothing is emptied.
    QList<QByteArray> columnTitles{"Old"};
    QList<QByteArray> groupTexts{"Old:1:1"};
    ReadTitles(rest, columnTitles, groupTexts);
    QCOMPARE(columnTitles, QList<QByteArray>{"Old"} + columns);
    QCOMPARE(groupTexts, QList<QByteArray>{"Old:1:1"} + groups);
}

QTEST_GUILESS_MAIN(TestNameServerProtocol)
#include "tst_nameserverprotocol.moc"
