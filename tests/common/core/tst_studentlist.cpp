#include "common/core/studentlist.h"

#include <QTest>

using namespace Quillon;

namespace {

// A grid row as the grade grid exposes it: the cells as they stand now.
class FakeRow : public TGradeRow
{
public:
    explicit FakeRow(QList<QByteArray> cells) : m_cells(std::move(cells)) {}
    int CellCount() const override { return static_cast<int>(m_cells.size()); }
    QByteArray Cell(int column) const override { return m_cells.at(column); }
    QList<QByteArray> m_cells;
};

TStudent* AddStudent(TStudentList& list, const QByteArray& first, const QByteArray& last,
                     const QByteArray& id = QByteArray())
{
    TStudent* s = list.Add();
    s->FFirstName = first;
    s->FLastName = last;
    s->FStudentID = id;
    return s;
}

} // namespace

class TestStudentList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newStudent_defaults();
    void find_data();
    void find();
    void findByFullName_duplicates_firstWins();
    void fullName_emptyLast_keepsBlank();
    void setStatus_data();
    void setStatus();
    void gradeRecord_data();
    void gradeRecord();
    void gradeRecord_readsLiveRow();
    void gradesText_data();
    void gradesText();
    void gradeSummary();
    void clear_freesAndEmpties();
};

void TestStudentList::newStudent_defaults()
{
    TStudentList list;
    const TStudent* s = list.Add();
    QVERIFY(s->FFirstName.isEmpty() && s->FStudentID.isEmpty() && s->FGrades.isEmpty());
    QCOMPARE(s->FStatus, std::uint8_t(ssOffline));
    QCOMPARE(s->FPushPermission, false);
    QCOMPARE(s->FGradeRow, nullptr);
}

void TestStudentList::find_data()
{
    // The roster holds 'Ann' 'Lee', '\xC9lise' 'Roy' (Windows-1252 capital E acute),
    // 'Mary Ann' 'Lee' and 'Bo' with an empty last name.
    QTest::addColumn<bool>("byFullName");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<int>("expected"); // index, -1 for none

    QTest::newRow("fullName_lowerCase") << true << QByteArray("ann lee") << QByteArray() << 0;
    QTest::newRow("name_upperCase") << false << QByteArray("ANN") << QByteArray("LEE") << 0;
    QTest::newRow("name_nonAsciiNotFolded") << false << QByteArray("\xE9lise") << QByteArray("Roy") << -1;
    QTest::newRow("name_nonAsciiExact") << false << QByteArray("\xC9LISE") << QByteArray("roy") << 1;
    QTest::newRow("fullName_twoBlanks_emptyLast") << true << QByteArray("Ann  Lee") << QByteArray() << -1;
    QTest::newRow("fullName_extraWordIgnored") << true << QByteArray("Ann Lee Jr") << QByteArray() << 0;
    QTest::newRow("fullName_blankInFirstName_notFound")
        << true << QByteArray("Mary Ann Lee") << QByteArray() << -1;
    QTest::newRow("fullName_oneWord_emptyLast") << true << QByteArray("Bo") << QByteArray() << 3;
    QTest::newRow("fullName_trailingBlank") << true << QByteArray("Bo ") << QByteArray() << 3;
    QTest::newRow("name_blanksCount") << false << QByteArray("Ann ") << QByteArray("Lee") << -1;
    QTest::newRow("name_prefixIsNoMatch") << false << QByteArray("An") << QByteArray("Lee") << -1;
    QTest::newRow("name_punctuationNotFolded") << false << QByteArray("Ann") << QByteArray("Lee{") << -1;
}

void TestStudentList::find()
{
    QFETCH(bool, byFullName);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    QFETCH(int, expected);

    TStudentList list;
    const TStudent* students[] = {
        AddStudent(list, "Ann", "Lee"),
        AddStudent(list, "\xC9lise", "Roy"),
        AddStudent(list, "Mary Ann", "Lee"),
        AddStudent(list, "Bo", ""),
    };
    AddStudent(list, "Ann", "Lee["); // '[' is the byte after 'Z': folding must not reach it
    const TStudent* found = byFullName ? list.FindByFullName(first) : list.FindByName(first, last);
    QCOMPARE(found, expected < 0 ? nullptr : students[expected]);
}

void TestStudentList::findByFullName_duplicates_firstWins()
{
    TStudentList list;
    const TStudent* first = AddStudent(list, "Ann", "Lee", "s1");
    AddStudent(list, "ann", "lee", "s2");
    QCOMPARE(list.FindByFullName("ANN LEE"), first);
    QCOMPARE(list.FindByName("Ann", "Lee"), first);
    QCOMPARE(TStudentList().FindByName("", ""), nullptr);
}

void TestStudentList::fullName_emptyLast_keepsBlank()
{
    TStudent s;
    s.FFirstName = "Ann";
    QCOMPARE(s.FullName(), QByteArray("Ann "));
    s.FLastName = "Lee";
    QCOMPARE(s.FullName(), QByteArray("Ann Lee"));
}

void TestStudentList::setStatus_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("asleep") << 7 << 7;
    QTest::newRow("eight_ignored") << 8 << 3;
    QTest::newRow("minusOne_ignored") << -1 << 3;
    QTest::newRow("byteWrap_ignored") << 256 << 3;
}

void TestStudentList::setStatus()
{
    QFETCH(int, value);
    QFETCH(int, stored);
    TStudent s;
    s.FStatus = ssWinking;
    s.SetStatus(value);
    QCOMPARE(int(s.FStatus), stored);
}

void TestStudentList::gradeRecord_data()
{
    QTest::addColumn<QList<QByteArray>>("cells");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("trimmed_emptyKeepsPlace")
        << QList<QByteArray>{"Ann", "Lee", "a@x", " A ", "", "B "} << QByteArray("s1$$$A;;B");
    QTest::newRow("noGradeColumns") << QList<QByteArray>{"Ann", "Lee", "a@x"} << QByteArray("s1$$$");
    QTest::newRow("oneGrade") << QList<QByteArray>{"Ann", "Lee", "a@x", "\t9\r"} << QByteArray("s1$$$9");
    QTest::newRow("shortRow") << QList<QByteArray>{"Ann"} << QByteArray("s1$$$");
    QTest::newRow("innerBlanksKept") << QList<QByteArray>{"", "", "", " B + "} << QByteArray("s1$$$B +");
}

void TestStudentList::gradeRecord()
{
    QFETCH(QList<QByteArray>, cells);
    QFETCH(QByteArray, record);
    FakeRow row(cells);
    TStudent s;
    s.FStudentID = "s1";
    s.FGradeRow = &row;
    QCOMPARE(s.GradeRecord(), record);
}

void TestStudentList::gradeRecord_readsLiveRow()
{
    FakeRow row({"Ann", "Lee", "a@x", "A"});
    TStudent s;
    s.FStudentID = "s1";
    s.FGrades = "old";
    s.FGradeRow = &row;
    row.m_cells[3] = "B";
    QCOMPARE(s.GradeRecord(), QByteArray("s1$$$B"));
    s.FGradeRow = nullptr; // no grid row: the record carries no grades rather than crashing
    QCOMPARE(s.GradeRecord(), QByteArray("s1$$$"));
}

void TestStudentList::gradesText_data()
{
    QTest::addColumn<int>("students");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << 0 << QByteArray();
    QTest::newRow("one") << 1 << QByteArray("s1$$$A;B");
    QTest::newRow("two") << 2 << QByteArray("s1$$$A;B$$$s2$$$C;");
}

void TestStudentList::gradesText()
{
    QFETCH(int, students);
    QFETCH(QByteArray, text);
    FakeRow rows[] = {FakeRow({"a", "b", "c", "A", "B"}), FakeRow({"d", "e", "f", "C", ""})};
    TStudentList list;
    for (int i = 0; i < students; ++i) {
        TStudent* s = AddStudent(list, "x", "y", "s" + QByteArray::number(i + 1));
        s->FGradeRow = &rows[i];
    }
    QCOMPARE(list.GradesText(), text);
}

void TestStudentList::gradeSummary()
{
    FakeRow row({"Ann", "Lee", "a@x", " A ", "  ", ""});
    TStudent s;
    s.FGradeRow = &row;
    QList<QByteArray> lines{"Dear Ann,"};
    s.GradeSummary({"Quiz 1", "Midterm", "Final", "Extra"}, lines);
    // "Extra" has no cell in the row at all.
    QCOMPARE(lines,
             (QList<QByteArray>{"Dear Ann,", "Quiz 1:A;", "Midterm:N/A;", "Final:N/A;", "Extra:N/A;"}));
}

void TestStudentList::clear_freesAndEmpties()
{
    TStudentList list;
    AddStudent(list, "Ann", "Lee");
    AddStudent(list, "Bo", "Ek");
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Items(1)->FFirstName, QByteArray("Bo"));
    list.Clear();
    QCOMPARE(list.Count(), 0);
    QCOMPARE(list.FindByName("Ann", "Lee"), nullptr);
    QCOMPARE(list.GradesText(), QByteArray());
}

QTEST_GUILESS_MAIN(TestStudentList)
#include "tst_studentlist.moc"
