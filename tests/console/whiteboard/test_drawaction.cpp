// Draw actions without any window: their text form, the number conversions and their fall-backs,
// the line Send writes, and what the canvas paints, pixel by pixel.
#include "console/protocol/commserverprotocol.h"
#include "console/whiteboard/boardcanvas.h"
#include "console/whiteboard/drawaction.h"
#include "tests/console/whiteboard/figures.h"

#include <QFontMetrics>
#include <QTest>

#include <limits>

using namespace Brivane;

Q_DECLARE_METATYPE(Brivane::TDrawAction)

namespace {

constexpr int Width = 264;
constexpr int Height = 265;
constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

TDrawAction Text(QPoint at, const QByteArray& text)
{
    TDrawAction action;
    action.Kind = dtText;
    action.X1 = at.x();
    action.Y1 = at.y();
    action.Text = text;
    return action;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// How many pixels went from one colour to the other.
int Turned(const QImage& before, const QImage& after, QRgb from, QRgb to)
{
    int count = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            count += before.pixel(x, y) == from && after.pixel(x, y) == to;
    return count;
}

// A board that is not blank, so that a figure drawn over it shows what it does to both colours.
TBoardCanvas BusyBoard()
{
    TBoardCanvas canvas(Width, Height);
    Shape(dtLine, {0, 130}, {263, 130}, psSolid, 60).Paint(canvas);
    Shape(dtEllipse, {30, 20}, {200, 240}, psDot, 1, bsDiagCross).Paint(canvas);
    canvas.SetState(TBoardCanvas(1, 1).State());
    return canvas;
}

} // namespace

class TestDrawAction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void asText_data()
    {
        QTest::addColumn<TDrawAction>("action");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("rectangle example") << Shape(dtRectangle, {10, 20}, {110, 70})
                                           << QByteArray("1$$$10$$$20$$$110$$$70$$$0$$$0$$$1$$$0$$$16777215");
        QTest::newRow("text example") << Text({5, 6}, "Hi") << QByteArray("4$$$5$$$6$$$Hi");
        QTest::newRow("line") << Shape(dtLine, {1, 2}, {3, 4})
                              << QByteArray("0$$$1$$$2$$$3$$$4$$$0$$$0$$$1$$$0$$$16777215");
        QTest::newRow("ellipse, dotted, clear brush")
            << Shape(dtEllipse, {1, 2}, {3, 4}, psDot, 7, bsClear)
            << QByteArray("2$$$1$$$2$$$3$$$4$$$2$$$0$$$7$$$1$$$16777215");
        QTest::newRow("round rectangle, negative coordinates")
            << Shape(dtRoundRect, {-5, 0}, {-264, -1}, psSolid, 0, bsDiagCross)
            << QByteArray("3$$$-5$$$0$$$-264$$$-1$$$0$$$0$$$0$$$7$$$16777215");
        TDrawAction extremes = Shape(dtLine, {Min32, Max32}, {0, -0});
        extremes.PenColor = -2147483633;
        QTest::newRow("32-bit extremes and a system colour")
            << extremes
            << QByteArray("0$$$-2147483648$$$2147483647$$$0$$$0$$$0$$$-2147483633$$$1$$$0$$$16777215");
        TDrawAction textWithFields = Text({-3, -4}, "a$$$b c");
        textWithFields.X2 = 9;
        textWithFields.PenWidth = 9;
        QTest::newRow("text: four fields only, carried unescaped")
            << textWithFields << QByteArray("4$$$-3$$$-4$$$a$$$b c");
        QTest::newRow("empty text") << Text({0, 0}, {}) << QByteArray("4$$$0$$$0$$$");
        // The text form goes by the stored number; an unknown kind is a shape of ten fields.
        TDrawAction unknown = Text({1, 1}, "lost");
        unknown.Kind = 9;
        QTest::newRow("kind 9") << unknown << QByteArray("9$$$1$$$1$$$0$$$0$$$0$$$0$$$0$$$0$$$0");
        unknown.Kind = -4;
        QTest::newRow("kind -4") << unknown << QByteArray("-4$$$1$$$1$$$0$$$0$$$0$$$0$$$0$$$0$$$0");
    }
    void asText()
    {
        QFETCH(TDrawAction, action);
        QFETCH(QByteArray, text);
        QCOMPARE(action.AsText(), text);
    }

    void conversions_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("brush");
        QTest::addColumn<int>("tool");
        QTest::newRow("0") << 0 << int(psSolid) << int(bsSolid) << int(dtLine);
        QTest::newRow("1") << 1 << int(psDash) << int(bsClear) << int(dtRectangle);
        QTest::newRow("2") << 2 << int(psDot) << int(bsHorizontal) << int(dtEllipse);
        QTest::newRow("4: last tool") << 4 << int(psDashDotDot) << int(bsFDiagonal) << int(dtText);
        QTest::newRow("5: first past the tools") << 5 << int(psClear) << int(bsBDiagonal) << int(dtLine);
        QTest::newRow("6: last pen") << 6 << int(psInsideFrame) << int(bsCross) << int(dtLine);
        QTest::newRow("7: first past the pens, last brush")
            << 7 << int(psSolid) << int(bsDiagCross) << int(dtLine);
        QTest::newRow("8: past everything") << 8 << int(psSolid) << int(bsClear) << int(dtLine);
        QTest::newRow("-1") << -1 << int(psSolid) << int(bsClear) << int(dtLine);
        QTest::newRow("min") << Min32 << int(psSolid) << int(bsClear) << int(dtLine);
        QTest::newRow("max") << Max32 << int(psSolid) << int(bsClear) << int(dtLine);
        QTest::newRow("256: a byte away from 0") << 256 << int(psSolid) << int(bsClear) << int(dtLine);
    }
    void conversions()
    {
        QFETCH(int, value);
        QFETCH(int, pen);
        QFETCH(int, brush);
        QFETCH(int, tool);
        QCOMPARE(int(ToPenStyle(value)), pen);
        QCOMPARE(int(ToBrushStyle(value)), brush);
        QCOMPARE(int(ToDrawingTool(value)), tool);
    }

    void payloadLine_isCodeThreeAndEveryActionOldestFirst()
    {
        TDrawActionList actions;
        QCOMPARE(DrawingPayloadLine(actions), QByteArray("\xC2\xC3\xC4$$$3"));
        actions.push_back(std::make_unique<TDrawAction>(Shape(dtLine, {1, 2}, {-3, 4})));
        actions.push_back(std::make_unique<TDrawAction>(Text({5, 6}, "Hi")));
        actions.push_back(
            std::make_unique<TDrawAction>(Shape(dtRoundRect, {9, 9}, {0, 0}, psDot, 3, bsClear)));
        QCOMPARE(DrawingPayloadLine(actions),
                 QByteArray("\xC2\xC3\xC4$$$3$$$0$$$1$$$2$$$-3$$$4$$$0$$$0$$$1$$$0$$$16777215"
                            "$$$4$$$5$$$6$$$Hi$$$3$$$9$$$9$$$0$$$0$$$2$$$0$$$3$$$1$$$16777215"));
        // The same line the protocol's builder makes of the text forms.
        QList<QByteArray> texts;
        for (const auto& action : actions)
            texts << action->AsText();
        QCOMPARE(DrawingPayloadLine(actions), CommServer::DrawingLine(texts));
    }

    void roundRectCorner_data()
    {
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QSize>("corner");
        QTest::newRow("dragged up and left") << QPoint(100, 100) << QPoint(20, 40) << QSize(40, 30);
        QTest::newRow("dragged down and right") << QPoint(20, 40) << QPoint(100, 100) << QSize(-40, -30);
        QTest::newRow("odd sizes truncate toward zero") << QPoint(0, 0) << QPoint(3, -5) << QSize(-1, 2);
        QTest::newRow("32-bit extremes")
            << QPoint(Max32, Min32) << QPoint(Min32, Max32) << QSize(Max32, -Max32);
    }
    void roundRectCorner()
    {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QSize, corner);
        QCOMPARE(RoundRectCorner(first, second), corner);
    }

    // Drawing a figure twice in pmNotXor leaves every pixel as it was, whatever the figure.
    void notXor_twiceRestoresEveryPixel_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("penStyle");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<int>("brushStyle");
        QTest::newRow("line") << int(dtLine) << int(psSolid) << 1 << int(bsSolid);
        QTest::newRow("wide dotted line") << int(dtLine) << int(psDot) << 9 << int(bsSolid);
        QTest::newRow("rectangle") << int(dtRectangle) << int(psSolid) << 1 << int(bsSolid);
        QTest::newRow("wide rectangle, cross-hatched")
            << int(dtRectangle) << int(psSolid) << 12 << int(bsDiagCross);
        QTest::newRow("ellipse, clear brush") << int(dtEllipse) << int(psDot) << 1 << int(bsClear);
        QTest::newRow("round rectangle, width 0") << int(dtRoundRect) << int(psSolid) << 0 << int(bsSolid);
    }
    void notXor_twiceRestoresEveryPixel()
    {
        QFETCH(int, tool);
        QFETCH(int, penStyle);
        QFETCH(int, penWidth);
        QFETCH(int, brushStyle);
        TBoardCanvas canvas = BusyBoard();
        const QImage before = canvas.Image().copy();
        canvas.Pen.Style = TPenStyle(penStyle);
        canvas.Pen.Width = penWidth;
        canvas.Brush.Style = TBrushStyle(brushStyle);
        canvas.Pen.Mode = pmNotXor;
        DrawFigure(canvas, TDrawingTool(tool), {240, 250}, {15, 10});
        // The black pen inverts: the band is dark over white and light over black.
        QVERIFY(Turned(before, canvas.Image(), qRgb(0, 0, 0), qRgb(255, 255, 255)) > 0);
        QVERIFY(Turned(before, canvas.Image(), qRgb(255, 255, 255), qRgb(0, 0, 0)) > 0);
        DrawFigure(canvas, TDrawingTool(tool), {240, 250}, {15, 10});
        QCOMPARE(canvas.Image(), before);
    }

    void paint_setsItsOwnStylesInCopyMode()
    {
        TBoardCanvas canvas(Width, Height);
        canvas.Pen.Mode = pmNotXor;
        TDrawAction odd = Shape(12, {10, 10}, {100, 10}, 9, 3, -3);
        odd.PenColor = 255;
        odd.Paint(canvas);
        QCOMPARE(int(canvas.Pen.Style), int(psSolid));
        QCOMPARE(int(canvas.Brush.Style), int(bsClear));
        QCOMPARE(canvas.Pen.Width, 3);
        QCOMPARE(canvas.Pen.Color, 255);
        QCOMPARE(int(canvas.Pen.Mode), int(pmCopy));
        // Kind 12 falls back to a line, drawn in pure red over the white.
        QCOMPARE(canvas.Image().pixel(50, 10), qRgb(255, 0, 0));
        QCOMPARE(canvas.Image().pixel(50, 30), qRgb(255, 255, 255));
    }

    void clearPenAndClearBrush_drawNothingOfTheirs_data()
    {
        QTest::addColumn<int>("penStyle");
        QTest::addColumn<int>("brushStyle");
        QTest::addColumn<QRgb>("outline");
        QTest::addColumn<QRgb>("inside");
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        QTest::newRow("solid pen, solid brush") << int(psSolid) << int(bsSolid) << black << white;
        QTest::newRow("clear pen") << int(psClear) << int(bsSolid) << white << white;
        QTest::newRow("clear brush") << int(psSolid) << int(bsClear) << black << black;
    }
    void clearPenAndClearBrush_drawNothingOfTheirs()
    {
        QFETCH(int, penStyle);
        QFETCH(int, brushStyle);
        QFETCH(QRgb, outline);
        QFETCH(QRgb, inside);
        // A black band under the middle of the rectangle, a white margin around its outline.
        TBoardCanvas canvas(Width, Height);
        Shape(dtLine, {0, 100}, {263, 100}, psSolid, 40).Paint(canvas);
        Shape(dtRectangle, {50, 50}, {150, 150}, penStyle, 1, brushStyle).Paint(canvas);
        QCOMPARE(canvas.Image().pixel(50, 60), outline);
        QCOMPARE(canvas.Image().pixel(100, 100), inside);
    }

    void roundRect_negativeCornersDrawnByTheirSize()
    {
        TBoardCanvas upLeft(Width, Height), downRight(Width, Height), plain(Width, Height);
        Shape(dtRoundRect, {100, 100}, {20, 40}).Paint(upLeft);
        Shape(dtRoundRect, {20, 40}, {100, 100}).Paint(downRight);
        Shape(dtRectangle, {20, 40}, {100, 100}).Paint(plain);
        QCOMPARE(upLeft.Image(), downRight.Image());
        QCOMPARE(plain.Image().pixel(20, 40), qRgb(0, 0, 0));
        QCOMPARE(upLeft.Image().pixel(20, 40), qRgb(255, 255, 255)); // the corner is rounded off
        QCOMPARE(upLeft.Image().pixel(60, 40), qRgb(0, 0, 0));
    }

    // A text has no brush of its own: the action before it decides whether it gets a box.
    void text_backgroundBoxFollowsTheBrushBeforeIt_data()
    {
        QTest::addColumn<int>("brushBefore");
        QTest::addColumn<bool>("box");
        QTest::newRow("solid") << int(bsSolid) << true;
        QTest::newRow("clear") << int(bsClear) << false;
        QTest::newRow("cross-hatched") << int(bsDiagCross) << false;
        QTest::newRow("out of range: clear") << 42 << false;
    }
    void text_backgroundBoxFollowsTheBrushBeforeIt()
    {
        QFETCH(int, brushBefore);
        QFETCH(bool, box);
        TBoardCanvas canvas(Width, Height);
        // A wide black line under the text: a box shows white on it, bare text is black on black.
        Shape(dtLine, {0, 60}, {263, 60}, psSolid, 60, brushBefore).Paint(canvas);
        Text({20, 50}, "Hi there").Paint(canvas);
        const QFontMetrics metrics(canvas.Font, &canvas.Image());
        const QRect textArea(20, 50, metrics.horizontalAdvance(QStringLiteral("Hi there")), metrics.height());
        const int white = CountPixels(canvas.Image(), textArea, qRgb(255, 255, 255));
        QCOMPARE(white > textArea.width() * textArea.height() / 2, box);
        QCOMPARE(white == 0, !box);
    }

    void text_keepsTheCanvasStylesAndIgnoresThePenMode()
    {
        TBoardCanvas copy(Width, Height), notXor(Width, Height);
        notXor.Pen.Mode = pmNotXor;
        Text({10, 10}, "Board").Paint(copy);
        Text({10, 10}, "Board").Paint(notXor);
        QCOMPARE(notXor.Image(), copy.Image());
        QVERIFY(copy.Image() != TBoardCanvas(Width, Height).Image());
        QCOMPARE(int(notXor.Pen.Mode), int(pmNotXor));
    }
};

QTEST_MAIN(TestDrawAction)
#include "test_drawaction.moc"
