#include "common/core/error.h"
#include "common/core/studentlist.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Cortelle::TStringGridModel;

namespace {

// The grade book's shape: 2 header rows, 3 fixed name columns, editable from row 2, column 3.
void ShapeAsGradeBook(TStringGridModel& model, int students, int titles)
{
    model.SetRowCount(students + 2);
    model.SetColCount(titles + 3);
    model.SetFixedRows(2);
    model.SetFixedCols(3);
    model.SetFirstEditableRow(2);
    model.SetFirstEditableCol(3);
}

} // namespace

class TestStringGridModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resizingFixingAndWriting_keepTheModelConsistent();
    void textOutsideTheGrid_showsWhenTheGridGrows();
    void editability_data();
    void editability();
    void fixedCountsLeavingNoFreeCell_throw_data();
    void fixedCountsLeavingNoFreeCell_throw();
    void shrinkingBelowTheFixedCount_lowersIt();
    void gradeRow_isALiveViewOfTheCurrentColumns();
    void cellsConvertBetweenWireAndScreenText();
    void resetWith_oneResetForAWholeRebuild_evenWhenItThrows();
};

void TestStringGridModel::resizingFixingAndWriting_keepTheModelConsistent()
{
    TStringGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.SetCells(0, 0, "Homework");
    ShapeAsGradeBook(model, 3, 4);
    model.SetCells(3, 2, "A");
    QVERIFY(model.setData(model.index(2, 4), u"B"_s));
    model.SetRowCount(2 + 1);
    model.SetColCount(3 + 1);
    model.ClearCells();
    model.SetRowCount(1);
    model.SetColCount(1);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.FixedRows(), 0);
    QCOMPARE(model.FixedCols(), 0);
}

void TestStringGridModel::textOutsideTheGrid_showsWhenTheGridGrows()
{
    TStringGridModel model; // one row, one column
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.SetCells(5, 0, "Final");
    model.SetCells(4, 3, "B+");
    QCOMPARE(changed.count(), 0);
    QCOMPARE(model.Cells(5, 0), QByteArray("Final"));

    model.SetColCount(6);
    model.SetRowCount(4);
    QCOMPARE(model.index(0, 5).data().toString(), u"Final"_s);
    QCOMPARE(model.index(3, 4).data().toString(), u"B+"_s);

    // Shrinking hides the texts; growing again shows them unchanged.
    model.SetColCount(2);
    QVERIFY(!model.index(3, 4).isValid());
    model.SetColCount(6);
    QCOMPARE(model.index(3, 4).data().toString(), u"B+"_s);

    model.ClearCells();
    QCOMPARE(model.index(3, 4).data().toString(), QString());
    QCOMPARE(model.Cells(5, 0), QByteArray());
}

void TestStringGridModel::editability_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("selectable");
    QTest::newRow("group title row") << 3 << 0 << false << false;
    QTest::newRow("column title row") << 4 << 1 << false << false;
    QTest::newRow("first name") << 0 << 2 << false << false;
    QTest::newRow("email") << 2 << 4 << false << false;
    QTest::newRow("first grade of first student") << 3 << 2 << true << true;
    QTest::newRow("last grade of last student") << 6 << 4 << true << true;
}

void TestStringGridModel::editability()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(bool, editable);
    QFETCH(bool, selectable);
    TStringGridModel model;
    ShapeAsGradeBook(model, 3, 4);
    model.SetCells(col, row, "old");
    const QModelIndex cell = model.index(row, col);

    QCOMPARE(model.IsEditable(col, row), editable);
    QCOMPARE(bool(cell.flags() & Qt::ItemIsEditable), editable);
    QCOMPARE(bool(cell.flags() & Qt::ItemIsSelectable), selectable);
    QCOMPARE(model.setData(cell, u"new"_s), editable);
    QCOMPARE(model.Cells(col, row), QByteArray(editable ? "new" : "old"));
}

void TestStringGridModel::fixedCountsLeavingNoFreeCell_throw_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QString>("message");
    QTest::newRow("roster without students") << 2 << 7 << u"Fixed row count must be less than row count"_s;
    QTest::newRow("no column titles") << 5 << 3 << u"Fixed column count must be less than column count"_s;
}

void TestStringGridModel::fixedCountsLeavingNoFreeCell_throw()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QString, message);
    TStringGridModel model;
    model.SetRowCount(rows);
    model.SetColCount(cols);
    try {
        model.SetFixedRows(2);
        model.SetFixedCols(3);
        QFAIL("no error");
    } catch (const Quillon::Error& error) {
        QCOMPARE(error.message(), message);
    }
    QVERIFY(model.FixedRows() < model.RowCount());
    QVERIFY(model.FixedCols() < model.ColCount());
    QVERIFY_THROWS_EXCEPTION(Quillon::Error, model.SetFixedRows(-1));
}

void TestStringGridModel::shrinkingBelowTheFixedCount_lowersIt()
{
    TStringGridModel model;
    ShapeAsGradeBook(model, 3, 4);
    model.SetRowCount(2);
    model.SetColCount(0);
    QCOMPARE(model.RowCount(), 2);
    QCOMPARE(model.FixedRows(), 1);
    QCOMPARE(model.ColCount(), 1);
    QCOMPARE(model.FixedCols(), 0);
}

void TestStringGridModel::gradeRow_isALiveViewOfTheCurrentColumns()
{
    TStringGridModel model;
    ShapeAsGradeBook(model, 2, 3);
    Quillon::TStudent student;
    student.FStudentID = "s1";
    student.FGradeRow = model.GradeRow(3);
    QCOMPARE(model.GradeRow(3), student.FGradeRow);
    QCOMPARE(model.GradeRow(-1), nullptr);

    model.SetCells(0, 3, "Ann");
    model.SetCells(3, 3, " A ");
    model.SetCells(5, 3, "B ");
    model.SetCells(6, 3, "hidden"); // beyond the last title
    QCOMPARE(student.FGradeRow->CellCount(), 6);
    QCOMPARE(student.FGradeRow->Cell(0), QByteArray("Ann"));
    QCOMPARE(student.FGradeRow->Cell(6), QByteArray());
    QCOMPARE(student.GradeRecord(), QByteArray("s1$$$A;;B"));

    // An edit is seen at once; so is a column added later.
    QVERIFY(model.setData(model.index(3, 4), u"C"_s));
    QCOMPARE(student.GradeRecord(), QByteArray("s1$$$A;C;B"));
    model.SetColCount(7);
    QCOMPARE(student.FGradeRow->CellCount(), 7);
    QCOMPARE(student.GradeRecord(), QByteArray("s1$$$A;C;B;hidden"));
}

// A rebuild inside ResetWith is one modelReset and nothing per cell or per row; a change that
// throws half-way still ends the reset, and what it had done before stays.
void TestStringGridModel::resetWith_oneResetForAWholeRebuild_evenWhenItThrows()
{
    TStringGridModel model;
    ShapeAsGradeBook(model, 2, 2);
    model.SetCells(3, 2, "A");
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy rows(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy columns(&model, &QAbstractItemModel::columnsRemoved);
    model.ResetWith([&] {
        model.SetRowCount(50);
        model.SetColCount(4);
        model.SetFixedCols(1);
        for (int r = 2; r < 50; ++r)
            model.SetCells(3, r, "B" + QByteArray::number(r));
    });
    QCOMPARE(resets.count(), 1);
    QCOMPARE(changed.count() + rows.count() + columns.count(), 0);
    QCOMPARE(model.rowCount(), 50);
    QCOMPARE(model.data(model.index(49, 3)).toString(), u"B49"_s);

    QVERIFY_THROWS_EXCEPTION(Quillon::Error, model.ResetWith([&] {
        model.SetCells(3, 2, "C");
        model.SetFixedRows(-1);
    }));
    QCOMPARE(resets.count(), 2);
    QCOMPARE(model.Cells(3, 2), QByteArray("C"));
    model.SetCells(3, 3, "D"); // after the reset, a single write is heard again
    QCOMPARE(changed.count(), 1);
}

void TestStringGridModel::cellsConvertBetweenWireAndScreenText()
{
    TStringGridModel model;
    ShapeAsGradeBook(model, 1, 1);
    model.SetCells(0, 2, "Ren\xE9");
    QCOMPARE(model.index(2, 0).data().toString(), u"René"_s);
    QVERIFY(model.setData(model.index(2, 3), u"5 €"_s));
    QCOMPARE(model.Cells(3, 2), QByteArray("5 \x80"));
    QCOMPARE(model.index(2, 3).data(Qt::EditRole).toString(), u"5 €"_s);
}

QTEST_GUILESS_MAIN(TestStringGridModel)
#include "tst_stringgridmodel.moc"
