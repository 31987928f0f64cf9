#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Cortelle::TStringGrid;
using Cortelle::TStringGridModel;

namespace {

// A shown grade-book grid: 3 students under 4 titles, the first student's first grade "A".
struct GradeGrid
{
    GradeGrid()
    {
        model.SetRowCount(5);
        model.SetColCount(7);
        model.SetFixedRows(2);
        model.SetFixedCols(3);
        model.SetFirstEditableRow(2);
        model.SetFirstEditableCol(3);
        model.SetCells(3, 2, "A");
        grid.setObjectName(u"sgrdMain"_s);
        grid.SetGridModel(&model);
        grid.resize(900, 300);
        grid.show();
        grid.activateWindow();
    }

    QLineEdit* Editor() const { return grid.viewport()->findChild<QLineEdit*>(); }

    TStringGridModel model;
    TStringGrid grid;
};

} // namespace

class TestStringGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void focus_opensTheEditorOnTheFirstFreeCell();
    void typing_reachesTheCellBeforeTheEditorCloses();
    void escape_putsBackTheTextTheCellHad();
    void fixedCell_takesNoCursorAndNoEditor();
    void columnWidths_surviveAGrowingGrid();
    void fixedCells_arePaintedInTheWindowColour();
    void fixedRowsAndColumns_stayInSightWhileScrolling();
    void cursorMovingBack_comesOutFromUnderTheFixedRows();
};

void TestStringGrid::focus_opensTheEditorOnTheFirstFreeCell()
{
    GradeGrid g;
    QVERIFY(QTest::qWaitForWindowActive(&g.grid));
    g.grid.setFocus();
    QTRY_VERIFY(g.Editor() && g.Editor()->isVisible());
    QCOMPARE(g.grid.currentIndex(), g.model.index(2, 3));
    QCOMPARE(g.Editor()->text(), u"A"_s);
}

void TestStringGrid::typing_reachesTheCellBeforeTheEditorCloses()
{
    GradeGrid g;
    g.grid.setCurrentIndex(g.model.index(3, 4));
    QTRY_VERIFY(g.Editor());
    QLineEdit* editor = g.Editor();

    QTest::keyClicks(editor, u"B+"_s);
    QCOMPARE(g.model.Cells(4, 3), QByteArray("B+"));
    QCOMPARE(g.model.GradeRow(3)->Cell(4), QByteArray("B+"));
    // Typing in the middle keeps the cursor where it is, though every keystroke is written back.
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_Eacute, u"é"_s, Qt::NoModifier);
    QTest::keyClick(editor, Qt::Key_Space);
    QCOMPARE(g.model.Cells(4, 3), QByteArray("\xE9 B+"));
    QCOMPARE(g.Editor(), editor);
    QVERIFY(editor->isVisible());

    // Moving on keeps the text and opens the editor on the new cell.
    g.grid.setCurrentIndex(g.model.index(4, 4));
    QTRY_VERIFY(g.Editor() && g.Editor() != editor);
    QCOMPARE(g.model.Cells(4, 3), QByteArray("\xE9 B+"));
}

void TestStringGrid::escape_putsBackTheTextTheCellHad()
{
    GradeGrid g;
    g.grid.setCurrentIndex(g.model.index(2, 3));
    QTRY_VERIFY(g.Editor());
    QTest::keyClicks(g.Editor(), u"C"_s); // the whole text is selected: typing replaces it
    QCOMPARE(g.model.Cells(3, 2), QByteArray("C"));
    QTest::keyClick(g.Editor(), Qt::Key_Escape);
    QCOMPARE(g.model.Cells(3, 2), QByteArray("A"));
}

void TestStringGrid::fixedCell_takesNoCursorAndNoEditor()
{
    GradeGrid g;
    g.grid.setCurrentIndex(g.model.index(3, 4));
    QTRY_VERIFY(g.Editor());
    const QRect nameCell = g.grid.visualRect(g.model.index(3, 0));
    QTest::mouseClick(g.grid.viewport(), Qt::LeftButton, {}, nameCell.center());
    QTest::mouseDClick(g.grid.viewport(), Qt::LeftButton, {}, nameCell.center());
    QCOMPARE(g.grid.currentIndex(), g.model.index(3, 4));
    QVERIFY(!g.grid.selectionModel()->isSelected(g.model.index(3, 0)));
    QVERIFY(!g.grid.indexWidget(g.model.index(3, 0)));
}

void TestStringGrid::columnWidths_surviveAGrowingGrid()
{
    GradeGrid g;
    g.grid.SetColWidths(0, 80);
    g.grid.SetColWidths(2, 200);
    g.model.SetColCount(9);
    g.model.SetRowCount(8);
    QCOMPARE(g.grid.ColWidths(0), 80);
    QCOMPARE(g.grid.ColWidths(2), 200);
    QCOMPARE(g.grid.ColWidths(8), 120);
}

void TestStringGrid::fixedCells_arePaintedInTheWindowColour()
{
    GradeGrid g;
    g.model.SetCells(0, 1, "WWWWWWWW");
    g.grid.setPalette([] {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Window, QColor(0x30, 0x60, 0x90));
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        // Fixed cells take no cursor, yet they must not read as greyed out.
        palette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::red);
        palette.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
        return palette;
    }());
    // The whole grid, frozen bands included, as the teacher sees it.
    const QImage image = g.grid.grab().toImage();
    const QPoint viewportOrigin = g.grid.viewport()->mapTo(&g.grid, QPoint());
    const auto cellRect = [&](int row, int col) {
        return g.grid.visualRect(g.model.index(row, col)).translated(viewportOrigin);
    };
    const auto centre = [&](int row, int col) { return image.pixelColor(cellRect(row, col).center()); };
    QCOMPARE(centre(0, 5), QColor(0x30, 0x60, 0x90)); // empty group-title cell
    QCOMPARE(centre(3, 1), QColor(0x30, 0x60, 0x90)); // empty last-name cell
    QCOMPARE(centre(4, 6), QColor(Qt::white));        // empty grade cell

    int dark = 0;
    int reddish = 0;
    const QRect caption = cellRect(1, 0);
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int x = caption.left(); x <= caption.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            dark += pixel.lightness() < 60;
            reddish += pixel.red() > pixel.blue() + 60;
        }
    }
    QVERIFY(dark > 0);
    QCOMPARE(reddish, 0);
}

namespace {

// A grid larger than its window: 40 students under 20 titles, scrolled 10 rows down, 5 columns on.
struct ScrolledGrid : GradeGrid
{
    ScrolledGrid()
    {
        model.SetRowCount(42);
        model.SetColCount(23);
        grid.resize(600, 300);
        grid.verticalScrollBar()->setValue(10);
        grid.horizontalScrollBar()->setValue(5);
    }

    // The views lying over the grid's cells.
    QList<QTableView*> Bands() const
    {
        QList<QTableView*> bands;
        for (QTableView* band : grid.findChildren<QTableView*>(Qt::FindDirectChildrenOnly)) {
            if (band->isVisible()) {
                bands << band;
            }
        }
        return bands;
    }
};

} // namespace

void TestStringGrid::fixedRowsAndColumns_stayInSightWhileScrolling()
{
    ScrolledGrid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    QCOMPARE(g.Bands().size(), 3);
    const int bandHeight = g.grid.rowHeight(0) + g.grid.rowHeight(1);
    const int bandWidth = 3 * 120;
    const QPoint belowBands(bandWidth + 10, bandHeight + 10);
    const QModelIndex firstShown = g.grid.indexAt(belowBands);
    QCOMPARE(firstShown.row(), 12);
    QCOMPARE(firstShown.column(), 8);

    QList<QModelIndex> seenByBands;
    for (QTableView* band : g.Bands()) {
        QCOMPARE(band->viewport()->mapTo(&g.grid, QPoint()), g.grid.viewport()->mapTo(&g.grid, QPoint()));
        seenByBands << band->indexAt({belowBands.x(), 5}) << band->indexAt({5, belowBands.y()});
    }
    // Along the top the column titles of the columns shown; down the left the names of the rows shown.
    QVERIFY(seenByBands.contains(g.model.index(0, 8)));
    QVERIFY(seenByBands.contains(g.model.index(12, 0)));
}

void TestStringGrid::cursorMovingBack_comesOutFromUnderTheFixedRows()
{
    ScrolledGrid g;
    QVERIFY(QTest::qWaitForWindowExposed(&g.grid));
    g.grid.setCurrentIndex(g.model.index(11, 8)); // just under the column titles
    const int bandHeight = g.grid.rowHeight(0) + g.grid.rowHeight(1);
    QCOMPARE(g.grid.visualRect(g.model.index(11, 8)).top(), bandHeight);
    g.grid.setCurrentIndex(g.model.index(2, 4)); // the first student, beside the names
    QCOMPARE(g.grid.verticalScrollBar()->value(), 0);
    QCOMPARE(g.grid.horizontalScrollBar()->value(), 1);
}

QTEST_MAIN(TestStringGrid)
#include "tst_stringgrid.moc"
