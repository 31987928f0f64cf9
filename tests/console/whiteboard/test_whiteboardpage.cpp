// The whiteboard page on a class of its own, without the main window or a sign-in: real mouse
// events on the board, the tool panel's buttons, the text input box answered as a teacher would,
// and what Send writes, captured on a scripted communication server.
#include "console/whiteboard/boardcanvas.h"
#include "console/whiteboard/whiteboardpage.h"
#include "tests/console/whiteboard/figures.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/standaloneclass.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// What the canvas shows after the given figures drawn in pmCopy on a blank board.
QImage Expected(std::initializer_list<TDrawAction> actions)
{
    TBoardCanvas canvas(264, 265);
    for (const TDrawAction& action : actions)
        action.Paint(canvas);
    return canvas.Image();
}

QList<QByteArray> Texts(const TDrawActionList& actions)
{
    QList<QByteArray> texts;
    for (const auto& action : actions)
        texts << action->AsText();
    return texts;
}

// Answers the text input box: checks its caption and prompt, then types the text and presses OK,
// or cancels.
ModalWatcher::Answer AnswerText(const QString& text, bool ok = true)
{
    return [text, ok](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        QVERIFY2(dialog, "expected the input box");
        QCOMPARE(dialog->windowTitle(), u"Input Box:"_s);
        QCOMPARE(dialog->labelText(), u"please input the text on the graph"_s);
        QCOMPARE(dialog->textValue(), QString());
        dialog->setTextValue(text);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    };
}

} // namespace

// The page on a shown window of its own, with its class and a box answerer.
struct BoardFixture
{
    StandaloneClass lesson;
    ModalWatcher boxes;
    QWidget window;
    TWhiteBoardPage page{lesson, &window};

    BoardFixture()
    {
        window.resize(400, 410);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = page.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget* image() const { return control("Image"); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mousePress(image(), button, {}, from);
        QTest::mouseMove(image(), (from + to) / 2);
        QTest::mouseMove(image(), to);
        QTest::mouseRelease(image(), button, {}, to);
    }
    const QImage& board() const { return page.Board().Image(); }
    QList<QByteArray> pending() const { return Texts(page.PendingActions()); }
    QList<QByteArray> sent() const { return Texts(page.SentActions()); }
};

class TestWhiteBoardPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_asTheTeacherFindsThem()
    {
        BoardFixture f;
        QCOMPARE(f.control<QGroupBox>("GroupBox10")->title(), u"WhiteBoard Tool "_s);
        QCOMPARE(f.image()->size(), QSize(264, 265));
        QCOMPARE(f.board().size(), QSize(264, 265));
        QCOMPARE(f.board().format(), QImage::Format_RGB32);
        QCOMPARE(f.board().pixel(0, 0), White);
        QCOMPARE(f.control<QAbstractButton>("BitBtn6")->text(), u"Send"_s);
        QCOMPARE(f.control<QAbstractButton>("BitBtn5")->text(), u"Clear"_s);
        QCOMPARE(f.control<QAbstractButton>("BitBtn7")->text(), u"Back"_s);
        QCOMPARE(f.control<QAbstractButton>("BitBtn_Undo")->text(), u"Undo"_s);
        QCOMPARE(f.control<QAbstractButton>("SpeedButton6")->text(), u"Text"_s);
        for (const char* down : {"LineButton", "SolidPen", "SolidBrush"})
            QVERIFY2(f.control<QAbstractButton>(down)->isChecked(), down);
        for (const char* glyph : {"LineButton", "RectangleButton", "EllipseButton", "RoundRectButton",
                                  "SolidPen", "DotPen", "SolidBrush", "ClearBrush", "DiagCrossBrush"})
            QVERIFY2(!f.control<QAbstractButton>(glyph)->icon().isNull(), glyph);
        // Each group is exclusive: a click moves the one button down.
        f.click("EllipseButton");
        f.click("DotPen");
        f.click("DiagCrossBrush");
        for (const char* up : {"LineButton", "SolidPen", "SolidBrush"})
            QVERIFY2(!f.control<QAbstractButton>(up)->isChecked(), up);
        QCOMPARE(f.control<QWidget>("Panel_LineColor")->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(f.control<QWidget>("Panel_BrushColor")->palette().color(QPalette::Window),
                 QColor(Qt::white));
    }

    void penWidth_upDownFromZeroToHundredWithoutArrowKeysOrWrap()
    {
        BoardFixture f;
        auto* upDown = f.control<QSpinBox>("PenWidth");
        QCOMPARE(f.control<QLineEdit>("PenSize")->text(), u"1"_s);
        QCOMPARE(upDown->minimum(), 0);
        QCOMPARE(upDown->maximum(), 100);
        QVERIFY(!upDown->wrapping());
        QTest::keyClick(upDown, Qt::Key_Up);
        QTest::keyClick(upDown, Qt::Key_PageUp);
        QCOMPARE(upDown->value(), 1);
        upDown->setValue(100);
        upDown->stepUp();
        QCOMPARE(upDown->value(), 100);
        auto* edit = f.control<QLineEdit>("PenSize");
        edit->selectAll();
        QTest::keyClicks(edit, u"7"_s);
        QCOMPARE(f.page.Board().Pen.Width, 7);
        f.drag({10, 10}, {50, 50});
        QCOMPARE(f.page.PendingActions().back()->PenWidth, 7);
    }

    // What Send writes after each step; the lines must be these and no others (Undo and Redo
    // never send).
    void send_writesTheWholeSentList_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<QByteArray>>("payloads");
        const QByteArray a = "0$$$10$$$20$$$110$$$70$$$0$$$0$$$1$$$0$$$16777215";
        const QByteArray b = "0$$$5$$$5$$$30$$$40$$$0$$$0$$$1$$$0$$$16777215";
        using L = QList<QByteArray>;
        QTest::newRow("nothing drawn: 3 alone") << QStringList{u"send"_s} << L{"3"};
        QTest::newRow("two sends, one new line between: both, in drawing order")
            << QStringList{u"a"_s, u"send"_s, u"b"_s, u"send"_s} << L{"3$$$" + a, "3$$$" + a + "$$$" + b};
        QTest::newRow("clear then send: 3 alone") << QStringList{u"a"_s, u"clear"_s, u"send"_s} << L{"3"};
        QTest::newRow("clear of sent lines then send: 3 alone")
            << QStringList{u"a"_s, u"send"_s, u"clear"_s, u"send"_s} << L{"3$$$" + a, "3"};
        QTest::newRow("back keeps the unsent line pending")
            << QStringList{u"a"_s, u"back"_s, u"send"_s} << L{"3$$$" + a};
        QTest::newRow("undo takes back the last unsent line")
            << QStringList{u"a"_s, u"b"_s, u"undo"_s, u"send"_s} << L{"3$$$" + a};
        QTest::newRow("undo cannot take back what was sent")
            << QStringList{u"a"_s, u"send"_s, u"undo"_s, u"send"_s} << L{"3$$$" + a, "3$$$" + a};
        QTest::newRow("redo brings the line back")
            << QStringList{u"a"_s, u"b"_s, u"undo"_s, u"redo"_s, u"send"_s} << L{"3$$$" + a + "$$$" + b};
        QTest::newRow("undo of a clear brings back sent and pending")
            << QStringList{u"a"_s, u"send"_s, u"b"_s, u"clear"_s, u"undo"_s, u"send"_s}
            << L{"3$$$" + a, "3$$$" + a + "$$$" + b};
        QTest::newRow("redo of the clear clears again")
            << QStringList{u"a"_s, u"clear"_s, u"undo"_s, u"redo"_s, u"send"_s} << L{"3"};
        QTest::newRow("a new line forgets what undo took")
            << QStringList{u"a"_s, u"undo"_s, u"b"_s, u"redo"_s, u"send"_s} << L{"3$$$" + b};
        QTest::newRow("undo steps back over a clear and the lines before it")
            << QStringList{u"a"_s, u"clear"_s, u"b"_s, u"undo"_s, u"undo"_s, u"undo"_s, u"send"_s} << L{"3"};
    }
    void send_writesTheWholeSentList()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<QByteArray>, payloads);
        BoardFixture f;
        ScriptedPeer server;
        f.lesson.ConnectTo(server);
        for (const QString& step : steps) {
            if (step == u"a")
                f.drag({10, 20}, {110, 70});
            else if (step == u"b")
                f.drag({5, 5}, {30, 40});
            else if (step == u"send")
                f.click("BitBtn6");
            else if (step == u"clear")
                f.click("BitBtn5");
            else if (step == u"back")
                f.click("BitBtn7");
            else if (step == u"undo")
                f.page.Action_UndoDrawingExecute();
            else if (step == u"redo")
                f.page.Action_RedoDrawingExecute();
        }
        QVERIFY(server.WaitForLines(int(payloads.size())));
        QList<QByteArray> lines;
        for (const QByteArray& payload : payloads)
            lines << QByteArray("\xC2\xC3\xC4$$$") + payload;
        QCOMPARE(server.ReceivedLines(), lines);
        QVERIFY(f.page.PendingActions().empty());
    }

    void send_failedWrite_reportedWithTheActionsAlreadySent()
    {
        BoardFixture f; // its link was never connected
        f.drag({10, 20}, {110, 70});
        f.boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        f.click("BitBtn6");
        QTRY_COMPARE(f.boxes.SeenTexts(), QStringList{u"Not Connected"_s});
        QVERIFY(f.pending().isEmpty());
        QCOMPARE(f.sent(), QList<QByteArray>{"0$$$10$$$20$$$110$$$70$$$0$$$0$$$1$$$0$$$16777215"});
    }

    // The band follows the mouse in pmNotXor over what the board shows; the release leaves the
    // final shape and nothing of any band.
    void rubberBand_drawnAndRemovedExactly_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("brush");
        QTest::addColumn<int>("kind");
        QTest::newRow("line") << u"LineButton"_s << u"SolidBrush"_s << int(dtLine);
        QTest::newRow("rectangle") << u"RectangleButton"_s << u"SolidBrush"_s << int(dtRectangle);
        QTest::newRow("ellipse, clear brush") << u"EllipseButton"_s << u"ClearBrush"_s << int(dtEllipse);
        QTest::newRow("round rectangle, cross-hatched")
            << u"RoundRectButton"_s << u"DiagCrossBrush"_s << int(dtRoundRect);
    }
    void rubberBand_drawnAndRemovedExactly()
    {
        QFETCH(QString, tool);
        QFETCH(QString, brush);
        QFETCH(int, kind);
        BoardFixture f;
        f.control<QSpinBox>("PenWidth")->setValue(30);
        f.drag({0, 130}, {263, 130}); // a wide black line the bands cross
        f.control<QSpinBox>("PenWidth")->setValue(3);
        QTest::mouseClick(f.control<QAbstractButton>(tool.toLatin1().constData()), Qt::LeftButton);
        QTest::mouseClick(f.control<QAbstractButton>(brush.toLatin1().constData()), Qt::LeftButton);
        const QImage before = f.board().copy();

        QTest::mousePress(f.image(), Qt::RightButton, {}, QPoint(40, 20)); // any button draws
        QCOMPARE(f.board(), before);
        QTest::mouseMove(f.image(), QPoint(200, 240));
        TBoardCanvas band(264, 265);
        band.SetImage(before);
        band.Pen.Width = 3;
        band.Brush.Style = f.page.Board().Brush.Style;
        band.Pen.Mode = pmNotXor;
        DrawFigure(band, TDrawingTool(kind), {40, 20}, {200, 240});
        QCOMPARE(f.board(), band.Image());
        QTest::mouseMove(f.image(), QPoint(120, 150));
        QTest::mouseMove(f.image(), QPoint(40, 20)); // back to where it began: no band at all
        QCOMPARE(f.board(), before);

        QTest::mouseMove(f.image(), QPoint(150, 200));
        QTest::mouseRelease(f.image(), Qt::RightButton, {}, QPoint(150, 200));
        TBoardCanvas finalBoard(264, 265);
        finalBoard.SetImage(before);
        const TDrawAction last = *f.page.PendingActions().back();
        last.Paint(finalBoard);
        QCOMPARE(f.board(), finalBoard.Image());
        QCOMPARE(last.Kind, kind);
        QCOMPARE(QPoint(last.X2, last.Y2), QPoint(150, 200));
    }

    // The window system moves the mouse to where a button changes before it tells of the change,
    // but the handlers do not rely on it: a band shown elsewhere goes before the final shape, and
    // before a second button starts the drag again.
    void strayBands_leaveNothing()
    {
        BoardFixture f;
        f.click("RectangleButton");
        f.page.ImageMouseDown(Qt::LeftButton, {20, 20});
        f.page.ImageMouseMove({200, 200});
        f.page.ImageMouseUp(Qt::LeftButton, {100, 60});
        QCOMPARE(f.board(), Expected({Shape(dtRectangle, {20, 20}, {100, 60})}));

        f.click("BitBtn5");
        f.page.ImageMouseDown(Qt::LeftButton, {20, 20});
        f.page.ImageMouseMove({200, 200});
        f.page.ImageMouseDown(Qt::RightButton, {50, 50});
        f.page.ImageMouseMove({60, 80});
        f.page.ImageMouseUp(Qt::RightButton, {60, 80});
        f.page.ImageMouseUp(Qt::LeftButton, {60, 80});
        QCOMPARE(f.board(), Expected({Shape(dtRectangle, {50, 50}, {60, 80})}));
        QCOMPARE(f.pending(), QList<QByteArray>{"1$$$50$$$50$$$60$$$80$$$0$$$0$$$1$$$0$$$16777215"});
    }

    void release_outsideTheBoard_recordsTheOutsidePoint()
    {
        BoardFixture f;
        f.click("RectangleButton");
        f.drag({30, 40}, {-10, 300});
        f.drag({200, 10}, {300, -7});
        QCOMPARE(f.pending(), (QList<QByteArray>{"1$$$30$$$40$$$-10$$$300$$$0$$$0$$$1$$$0$$$16777215",
                                                 "1$$$200$$$10$$$300$$$-7$$$0$$$0$$$1$$$0$$$16777215"}));
    }

    void roundRect_recordsBothDragDirectionsAndDrawsThemAlike()
    {
        BoardFixture f;
        f.click("RoundRectButton");
        f.drag({100, 100}, {20, 40});
        const QImage upLeft = f.board().copy();
        f.click("BitBtn5");
        f.drag({20, 40}, {100, 100});
        QCOMPARE(f.board(), upLeft);
        QCOMPARE(f.pending(), QList<QByteArray>{"3$$$20$$$40$$$100$$$100$$$0$$$0$$$1$$$0$$$16777215"});
        const TDrawAction& action = *f.page.PendingActions().back();
        QCOMPARE(RoundRectCorner({action.X1, action.Y1}, {action.X2, action.Y2}), QSize(-40, -30));
        QCOMPARE(RoundRectCorner({100, 100}, {20, 40}), QSize(40, 30));
        QCOMPARE(upLeft, Expected({Shape(dtRoundRect, {100, 100}, {20, 40})}));
    }

    // Clear gives the canvas its defaults while the buttons keep showing the earlier choice; the
    // next click on a style button, or change of the width, sets the canvas again.
    void clear_resetsTheCanvasNotTheButtons()
    {
        BoardFixture f;
        f.click("DotPen");
        f.click("ClearBrush");
        f.control<QSpinBox>("PenWidth")->setValue(4);
        f.drag({10, 10}, {100, 10});
        QCOMPARE(f.pending(), QList<QByteArray>{"0$$$10$$$10$$$100$$$10$$$2$$$0$$$4$$$1$$$16777215"});
        f.click("BitBtn5");
        QVERIFY(f.pending().isEmpty());
        QCOMPARE(f.board(), Expected({}));
        f.drag({10, 50}, {100, 50});
        QCOMPARE(f.pending(), QList<QByteArray>{"0$$$10$$$50$$$100$$$50$$$0$$$0$$$1$$$0$$$16777215"});
        QCOMPARE(f.board(), Expected({Shape(dtLine, {10, 50}, {100, 50})}));
        QVERIFY(f.control<QAbstractButton>("DotPen")->isChecked());
        QCOMPARE(f.control<QSpinBox>("PenWidth")->value(), 4);
        f.click("DotPen");
        f.control<QSpinBox>("PenWidth")->setValue(5);
        f.drag({10, 90}, {100, 90});
        QCOMPARE(f.pending().back(), QByteArray("0$$$10$$$90$$$100$$$90$$$2$$$0$$$5$$$0$$$16777215"));
    }

    void back_showsOnlyWhatWasSentAndKeepsTheStyles()
    {
        BoardFixture f;
        ScriptedPeer server;
        f.lesson.ConnectTo(server);
        f.drag({10, 20}, {110, 70});
        f.click("BitBtn6");
        f.click("DotPen");
        f.control<QSpinBox>("PenWidth")->setValue(6);
        f.click("RectangleButton");
        f.drag({5, 100}, {200, 200});
        f.click("BitBtn7");
        QCOMPARE(f.board(), Expected({Shape(dtLine, {10, 20}, {110, 70})}));
        QCOMPARE(f.pending().size(), 1);
        QCOMPARE(int(f.page.Board().Pen.Style), int(psDot));
        QCOMPARE(f.page.Board().Pen.Width, 6);
        // Sent now, the rectangle is shown by the next Back.
        f.click("BitBtn6");
        QVERIFY(server.WaitForLines(2));
        f.click("BitBtn7");
        QCOMPARE(f.board(), Expected({Shape(dtLine, {10, 20}, {110, 70}),
                                      Shape(dtRectangle, {5, 100}, {200, 200}, psDot, 6)}));
    }

    void text_askedAtMouseUpAndPlacedThere_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<QByteArray>>("pending");
        using L = QList<QByteArray>;
        QTest::newRow("typed") << u"Hi"_s << true << L{"4$$$50$$$60$$$Hi"};
        QTest::newRow("blanks are text") << u" "_s << true << L{"4$$$50$$$60$$$ "};
        QTest::newRow("empty: nothing") << QString() << true << L{};
        QTest::newRow("cancelled: nothing") << u"Hi"_s << false << L{};
        QTest::newRow("a line end stays off the wire") << u"a\r\nb"_s << true << L{"4$$$50$$$60$$$a  b"};
    }
    void text_askedAtMouseUpAndPlacedThere()
    {
        QFETCH(QString, answer);
        QFETCH(bool, ok);
        QFETCH(QList<QByteArray>, pending);
        BoardFixture f;
        f.click("SpeedButton6");
        f.boxes.Then(AnswerText(answer, ok));
        QTest::mousePress(f.image(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(f.image(), QPoint(50, 60));
        QCOMPARE(f.board(), Expected({})); // the text tool shows no band
        QTest::mouseRelease(f.image(), Qt::LeftButton, {}, QPoint(50, 60));
        QCOMPARE(f.boxes.SeenBoxes().size(), 1);
        QCOMPARE(f.pending(), pending);
        TBoardCanvas expected(264, 265);
        if (!pending.isEmpty())
            expected.TextOut({50, 60}, f.page.PendingActions().back()->Text);
        QCOMPARE(f.board(), expected.Image());
        // A release with no drag in progress asks nothing.
        QTest::mouseRelease(f.image(), Qt::LeftButton, {}, QPoint(50, 60));
        QCOMPARE(f.boxes.SeenBoxes().size(), 1);
    }

    // Back replays a text with the brush the action before it left: after a clear-brush shape the
    // text that had a box when it was typed has none.
    void back_textAfterClearBrushShape_hasNoBox()
    {
        BoardFixture f;
        ScriptedPeer server;
        f.lesson.ConnectTo(server);
        f.click("ClearBrush");
        f.control<QSpinBox>("PenWidth")->setValue(60);
        f.drag({0, 60}, {263, 60});
        f.click("SolidBrush");
        f.click("SpeedButton6");
        f.boxes.Then(AnswerText(u"Hi there"_s));
        f.drag({20, 50}, {20, 50});
        const QFontMetrics metrics(f.page.Board().Font, &f.board());
        const QRect textArea(20, 50, metrics.horizontalAdvance(u"Hi there"_s), metrics.height());
        const auto white = [&f, &textArea] {
            int count = 0;
            for (int y = textArea.top(); y <= textArea.bottom(); ++y)
                for (int x = textArea.left(); x <= textArea.right(); ++x)
                    count += f.board().pixel(x, y) == White;
            return count;
        };
        QVERIFY(white() > textArea.width() * textArea.height() / 2); // typed with a box
        f.click("BitBtn6");
        QVERIFY(server.WaitForLines(1));
        f.click("BitBtn7");
        QCOMPARE(white(), 0);
        QCOMPARE(f.board().pixel(5, 60), Black);
    }

    void status_originAndCurrent_hoverWritesOnlyTheFourthPanel()
    {
        BoardFixture f;
        QTest::mouseMove(f.image(), QPoint(7, 8));
        QTest::mouseMove(f.image(), QPoint(9, 10));
        QCOMPARE(f.lesson.StatusWrites, (QStringList{u"3: Current: (7, 8)"_s, u"3: Current: (9, 10)"_s}));
        QCOMPARE(f.board(), Expected({}));
        QVERIFY(f.pending().isEmpty());
        f.lesson.StatusWrites.clear();
        QTest::mousePress(f.image(), Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseMove(f.image(), QPoint(-4, 300));
        QTest::mouseRelease(f.image(), Qt::LeftButton, {}, QPoint(-4, 300));
        QCOMPARE(f.lesson.StatusWrites, (QStringList{u"2: Origin: (10, 20)"_s, u"3: Current: (-4, 300)"_s}));
    }

    void undoRedo_ofAShapeAndOfAClear_restoreTheBoard()
    {
        BoardFixture f;
        f.drag({10, 20}, {110, 70});
        const QImage one = f.board().copy();
        f.click("EllipseButton");
        f.click("DotPen");
        f.drag({30, 30}, {200, 200});
        const QImage two = f.board().copy();
        QVERIFY(two != one);

        f.click("BitBtn_Undo");
        QCOMPARE(f.board(), one);
        QCOMPARE(f.pending().size(), 1);
        QCOMPARE(int(f.page.Board().Pen.Style), int(psDot)); // the tools stay as chosen
        f.page.Action_RedoDrawingExecute();
        QCOMPARE(f.board(), two);
        QCOMPARE(f.pending().size(), 2);

        f.click("BitBtn5");
        QCOMPARE(f.board(), Expected({}));
        f.click("BitBtn_Undo");
        QCOMPARE(f.board(), two);
        QCOMPARE(f.pending().size(), 2);
        f.page.Action_RedoDrawingExecute();
        QCOMPARE(f.board(), Expected({}));
        QVERIFY(f.pending().isEmpty());
        f.click("BitBtn_Undo");
        f.click("BitBtn_Undo");
        f.click("BitBtn_Undo");
        QCOMPARE(f.board(), Expected({}));
        QVERIFY(f.pending().isEmpty());
        QVERIFY(!f.control<QAbstractButton>("BitBtn_Undo")->isEnabled());
    }

    void undoRedo_shortcutsOnTheBoard()
    {
        BoardFixture f;
        f.drag({10, 20}, {110, 70});
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.image()->setFocus();
        QTest::keyClick(f.image(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.pending().isEmpty());
        QCOMPARE(f.board(), Expected({}));
        QTest::keyClick(f.image(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.pending().size(), 1);
        QCOMPARE(f.board(), Expected({Shape(dtLine, {10, 20}, {110, 70})}));
    }
};

QTEST_MAIN(TestWhiteBoardPage)
#include "test_whiteboardpage.moc"
