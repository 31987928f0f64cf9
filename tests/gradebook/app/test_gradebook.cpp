// The grade book built from the sign-in's titles and roster, on the real main window. The layout
// itself is tested without a window in tests/gradebook/book.
#include "gradebook/app/officemainform.h"
#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "tests/gradebook/app/officesession.h"

#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Cortelle::TStringGridModel;

namespace {

QList<QByteArray> Row(const TStringGridModel& cells, int row, int fromCol, int toCol)
{
    QList<QByteArray> texts;
    for (int col = fromCol; col <= toCol; ++col)
        texts << cells.Cells(col, row);
    return texts;
}

QByteArray Upload(OfficeSession& office)
{
    const qsizetype before = office.LineCount();
    office.Action("Action_SaveData").trigger();
    const QList<QByteArray> lines = office.LinesFrom(before);
    return lines.size() == 1 ? lines.first() : "<" + QByteArray::number(lines.size()) + " lines>";
}

} // namespace

class TestGradeBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build_layoutAsTheTable()
    {
        OfficeSession office;
        QVERIFY(office.SignIn());
        auto* pages = office.Form().findChild<QTabWidget*>(u"PageControl_Main"_s);
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->widget(0)->objectName(), u"ts_mangetool"_s);
        QCOMPARE(pages->tabText(0), u"Manage Tool"_s);
        QCOMPARE(pages->widget(1)->objectName(), u"ts_MScenter"_s);
        QCOMPARE(pages->tabText(1), u"Message Center"_s);
        QCOMPARE(pages->currentIndex(), 1);
        QVERIFY(pages->documentMode());

        QVERIFY(office.SendTitles("Quiz 1;Midterm;Final", ""));
        TStringGridModel& cells = office.Cells();
        QVERIFY(office.Grid().isHidden()); // titles alone change nothing visible
        QCOMPARE(cells.RowCount(), 1);
        QCOMPARE(cells.ColCount(), 1);
        QCOMPARE(cells.FixedRows(), 0);
        QCOMPARE(cells.FixedCols(), 0);
        QCOMPARE(office.Grid().ColWidths(0), 120);
        QCOMPARE(office.Action("Action_SaveData").text(), u"Save"_s);
        QCOMPARE(office.Action("Action_Excel").text(), u"Export "_s);
        auto* exportButton = office.Form().findChild<QToolButton*>(u"BitBtn3"_s);
        QVERIFY(exportButton && exportButton->defaultAction() == &office.Action("Action_Excel"));

        QVERIFY(office.SendRoster({"s1", "Jane", "Doe", "jane@example.org", "A;B;C", //
                                   "s2", "Bo", "Li", "bo@example.org", "D"}));
        QVERIFY(!office.Grid().isHidden());
        QCOMPARE(cells.RowCount(), 4);
        QCOMPARE(cells.ColCount(), 6);
        QCOMPARE(cells.FixedRows(), 2);
        QCOMPARE(cells.FixedCols(), 3);
        const QList<int> widths{80, 80, 200, 120, 120, 120};
        for (int col = 0; col < widths.size(); ++col)
            QCOMPARE(office.Grid().ColWidths(col), widths[col]);
        QCOMPARE(Row(cells, 1, 0, 5),
                 (QList<QByteArray>{"First Name", "Last Name", "Email", "Quiz 1", "Midterm", "Final"}));
        QCOMPARE(Row(cells, 2, 0, 5), (QList<QByteArray>{"Jane", "Doe", "jane@example.org", "A", "B", "C"}));
        QCOMPARE(Row(cells, 3, 0, 5), (QList<QByteArray>{"Bo", "Li", "bo@example.org", "D", "", ""}));
        QVERIFY(cells.IsEditable(3, 2) && cells.IsEditable(5, 3));
        QVERIFY(!cells.IsEditable(2, 2) && !cells.IsEditable(3, 1));

        // Each student reads its own live grid row.
        const Quillon::TStudentList& roster = office.Form().Roster();
        for (int i = 0; i < roster.Count(); ++i)
            QCOMPARE(roster.Items(i)->FGradeRow, cells.GradeRow(i + 2));
        cells.setData(cells.index(3, 4), u"B+"_s);
        QCOMPARE(roster.Items(1)->GradeRecord(), QByteArray("s2$$$D;B+;"));
    }

    void gradePieces_shownAsCutAndUploadedTrimmed()
    {
        OfficeSession office;
        QVERIFY(office.Open("Q1;Q2;Q3", "", {"s1", "Jane", "Doe", "jane@example.org", " A ;;C;D"}));
        QCOMPARE(Row(office.Cells(), 2, 3, 5), (QList<QByteArray>{" A ", "", "C"}));
        QCOMPARE(office.Cells().Cells(6, 2), QByteArray()); // nothing stored past the last title
        QCOMPARE(Upload(office), Packet({OfficeSession::Course, "s1", "A;;C"}));
    }

    void groupTitles_overTheGradeColumns_stopAtTheGrid()
    {
        OfficeSession office;
        QVERIFY(office.Open("Q1;Q2;Q3;Q4", "A:3:5;B:5:6;X:6:2000000000",
                            {"s1", "Jane", "Doe", "jane@example.org", "A"}));
        QCOMPARE(office.Cells().ColCount(), 7);
        QCOMPARE(Row(office.Cells(), 0, 0, 6), (QList<QByteArray>{"", "", "", "A", "A", "B", "X"}));
        QCOMPARE(office.Cells().Cells(7, 0), QByteArray());
    }

    void badGroupTitle_reportedWithoutAcknowledgement()
    {
        OfficeSession office;
        QVERIFY(office.SignIn());
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        const qsizetype before = office.LineCount();
        office.NameServer().SendLine(Packet({"4", "Q1;Q2", "A:3:3;B:x:4;C:4:4"}));
        QTRY_COMPARE(office.Boxes().SeenBoxes().size(), 3); // login, course, the error
        QVERIFY(office.Boxes().SeenTexts().last().contains(u"'x'"_s));
        QVERIFY(office.SendRoster({"s1", "Jane", "Doe", "jane@example.org", "A;B"}));
        // The only line since is the answer to the roster's sync request: no acknowledgement.
        QCOMPARE(office.LinesFrom(before), QList<QByteArray>{Packet({"3", "Ann", "Lee", "pw"})});
        QCOMPARE(office.Form().ColumnTitles(), (QList<QByteArray>{"Q1", "Q2"}));
        QCOMPARE(office.Form().GroupTitles().size(), 1);
        QCOMPARE(office.Form().GroupTitles().first().Name, QByteArray("A"));
        QCOMPARE(Row(office.Cells(), 0, 3, 4), (QList<QByteArray>{"A", ""}));
    }

    void secondTitlesAndRoster_appendTitlesAndReplaceGradeBook()
    {
        OfficeSession office;
        QVERIFY(office.Open("Q1;Q2;Q3", "G:3:5",
                            {"s1", "Jane", "Doe", "jane@example.org", "A;B;C", //
                             "s2", "Bo", "Li", "bo@example.org", "D;E;F"}));
        QVERIFY(office.SendTitles("Q4", "H:6:6"));
        QCOMPARE(office.Form().ColumnTitles(), (QList<QByteArray>{"Q1", "Q2", "Q3", "Q4"}));
        QCOMPARE(office.Form().GroupTitles().size(), 2);

        QVERIFY(office.SendRoster({"s3", "Cy", "Ng", "cy@example.org", "X"}));
        TStringGridModel& cells = office.Cells();
        QCOMPARE(cells.RowCount(), 3);
        QCOMPARE(cells.ColCount(), 7);
        QCOMPARE(Row(cells, 0, 3, 6), (QList<QByteArray>{"G", "G", "G", "H"}));
        QCOMPARE(Row(cells, 2, 0, 6), (QList<QByteArray>{"Cy", "Ng", "cy@example.org", "X", "", "", ""}));
        // The first class's second row is gone for good, not merely out of view.
        cells.SetRowCount(4);
        QCOMPARE(Row(cells, 3, 0, 6), QList<QByteArray>(7));
        cells.SetRowCount(3);
        QCOMPARE(Upload(office), Packet({OfficeSession::Course, "s3", "X;;;"}));
    }

    void shortGradeBook_showsHeaderRowsWithoutError_data()
    {
        QTest::addColumn<QByteArray>("titles");
        QTest::addColumn<QList<QByteArray>>("roster");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QByteArray>("uploaded");
        const QByteArray course = OfficeSession::Course;
        QTest::newRow("no students") << QByteArray("Q1;Q2") << QList<QByteArray>{} << 2 << 5
                                     << Packet({course, ""});
        QTest::newRow("no titles") << QByteArray() << QList<QByteArray>{"s1", "Jane", "Doe", "j@e.org", "A;B"}
                                   << 3 << 3 << Packet({course, "s1", ""});
        QTest::newRow("neither") << QByteArray() << QList<QByteArray>{} << 2 << 3 << Packet({course, ""});
    }

    void shortGradeBook_showsHeaderRowsWithoutError()
    {
        QFETCH(QByteArray, titles);
        QFETCH(QList<QByteArray>, roster);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QByteArray, uploaded);
        OfficeSession office;
        QVERIFY(office.Open(titles, "", roster));
        TStringGridModel& cells = office.Cells();
        QVERIFY(!office.Grid().isHidden());
        QCOMPARE(cells.RowCount(), rows);
        QCOMPARE(cells.ColCount(), cols);
        QCOMPARE(Row(cells, 1, 0, 2), (QList<QByteArray>{"First Name", "Last Name", "Email"}));
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                QVERIFY(!cells.IsEditable(col, row));
        QCOMPARE(Upload(office), uploaded);
        QCOMPARE(office.Boxes().SeenBoxes().size(), 2); // login and course only
    }
};

QTEST_MAIN(TestGradeBook)
#include "test_gradebook.moc"
