// The grade grid's layout and its group-title row, computed without any window.
#include "common/core/studentlist.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/title.h"

#include <QTest>

using Cortelle::TGradeGridLayout;
using Cortelle::TTitle;

namespace {

using Texts = QList<QByteArray>;

// n students named S0, S1, ... with no grades.
void FillRoster(Quillon::TStudentList& roster, int students)
{
    for (int i = 0; i < students; ++i) {
        Quillon::TStudent* student = roster.Add();
        student->FStudentID = "id" + QByteArray::number(i);
        student->FFirstName = "S" + QByteArray::number(i);
        student->FLastName = "L" + QByteArray::number(i);
        student->FEmail = "s" + QByteArray::number(i) + "@example.org";
    }
}

QList<TTitle> Titles(const QByteArray& texts)
{
    QList<TTitle> titles;
    for (const QByteArray& text : texts.split(';'))
        if (!text.isEmpty())
            titles.append(TTitle(text));
    return titles;
}

} // namespace

class TestGradeGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shape_data()
    {
        QTest::addColumn<int>("students");
        QTest::addColumn<Texts>("titles");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<int>("fixedCols");
        QTest::newRow("two students, three titles") << 2 << Texts{"Q1", "Q2", "Q3"} << 4 << 6 << 2 << 3;
        QTest::newRow("one student, one title") << 1 << Texts{"Q1"} << 3 << 4 << 2 << 3;
        // A grid needs a row and a column that are not fixed.
        QTest::newRow("no students fix one row") << 0 << Texts{"Q1", "Q2"} << 2 << 5 << 1 << 3;
        QTest::newRow("no titles fix two columns") << 1 << Texts{} << 3 << 3 << 2 << 2;
        QTest::newRow("neither") << 0 << Texts{} << 2 << 3 << 1 << 2;
    }

    void shape()
    {
        QFETCH(int, students);
        QFETCH(Texts, titles);
        Quillon::TStudentList roster;
        FillRoster(roster, students);
        const TGradeGridLayout layout = Cortelle::GradeGridLayout(titles, roster);
        QTEST(layout.RowCount, "rows");
        QTEST(layout.ColCount, "cols");
        QTEST(layout.FixedRows, "fixedRows");
        QTEST(layout.FixedCols, "fixedCols");

        // Row 1 holds the headings, then every student in roster order, each row as wide as the grid.
        QCOMPARE(layout.Rows.size(), layout.RowCount - 1);
        QCOMPARE(layout.Rows.first(), Texts({"First Name", "Last Name", "Email"}) + titles);
        for (int i = 0; i < students; ++i) {
            const Quillon::TStudent* student = roster.Items(i);
            QCOMPARE(layout.Rows[i + 1], Texts({student->FFirstName, student->FLastName, student->FEmail}) +
                                             Texts(titles.size()));
        }
    }

    void gradePieces_data()
    {
        QTest::addColumn<QByteArray>("grades");
        QTest::addColumn<Texts>("shown"); // columns 3 to 5, under three titles
        QTest::newRow("empty piece keeps its place") << QByteArray("A;;C") << Texts{"A", "", "C"};
        QTest::newRow("trailing separator adds nothing") << QByteArray("A;B;") << Texts{"A", "B", ""};
        QTest::newRow("fourth piece dropped") << QByteArray("A;B;C;D") << Texts{"A", "B", "C"};
        QTest::newRow("blanks kept") << QByteArray(" A ;B\t;  C") << Texts{" A ", "B\t", "  C"};
        QTest::newRow("empty first cell") << QByteArray(";B;C") << Texts{"", "B", "C"};
        QTest::newRow("fewer pieces than titles") << QByteArray("A") << Texts{"A", "", ""};
        QTest::newRow("no grades") << QByteArray() << Texts{"", "", ""};
        QTest::newRow("separators only") << QByteArray(";;;;") << Texts{"", "", ""};
    }

    void gradePieces()
    {
        QFETCH(QByteArray, grades);
        QFETCH(Texts, shown);
        Quillon::TStudentList roster;
        FillRoster(roster, 2);
        roster.Items(0)->FGrades = grades;
        roster.Items(1)->FGrades = "X;Y;Z";
        const TGradeGridLayout layout = Cortelle::GradeGridLayout({"Q1", "Q2", "Q3"}, roster);
        QCOMPARE(layout.Rows[1], Texts({"S0", "L0", "s0@example.org"}) + shown);
        QCOMPARE(layout.Rows[2], Texts({"S1", "L1", "s1@example.org", "X", "Y", "Z"}));
    }

    void groupTitleRow_data()
    {
        QTest::addColumn<QByteArray>("groups");
        QTest::addColumn<Texts>("row0"); // columns 0 to 6: under four column titles
        QTest::newRow("span") << QByteArray("Homework:3:5")
                              << Texts{"", "", "", "Homework", "Homework", "Homework", ""};
        QTest::newRow("last before first writes nothing") << QByteArray("Final:6:5") << Texts(7);
        QTest::newRow("beyond the grid, reversed") << QByteArray("Final:7:6") << Texts(7);
        QTest::newRow("beyond the grid") << QByteArray("Late:7:9") << Texts(7);
        QTest::newRow("overlap: the later wins")
            << QByteArray("A:3:5;B:5:6") << Texts{"", "", "", "A", "A", "B", "B"};
        QTest::newRow("covered whole by a later one")
            << QByteArray("A:4:4;B:3:6") << Texts{"", "", "", "B", "B", "B", "B"};
        QTest::newRow("a later empty name wins too")
            << QByteArray("A:3:4;:4:4") << Texts{"", "", "", "A", "", "", ""};
        QTest::newRow("negative columns write nothing")
            << QByteArray("N:-5:1") << Texts{"N", "N", "", "", "", "", ""};
        QTest::newRow("far end stops at the grid")
            << QByteArray("X:5:2000000000") << Texts{"", "", "", "", "", "X", "X"};
        QTest::newRow("no group titles") << QByteArray() << Texts(7);
    }

    void groupTitleRow()
    {
        QFETCH(QByteArray, groups);
        QTEST(Cortelle::GroupTitleRow(Titles(groups), 4), "row0");
    }

    void groupTitleRow_withoutColumnTitles_coversTheNameColumns()
    {
        QCOMPARE(Cortelle::GroupTitleRow(Titles("All:0:9"), 0), Texts({"All", "All", "All"}));
    }
};

QTEST_APPLESS_MAIN(TestGradeGrid)
#include "test_gradegrid.moc"
