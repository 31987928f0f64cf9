#include "console/whiteboard/whiteboardpage.h"

#include "common/core/ansi.h"
#include "common/ui/guardedconnect.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "console/whiteboard/boardimage.h"
#include "console/whiteboard/penwidthbox.h"
#include "console/whiteboard/toolglyphs.h"
#include "ui_whiteboardpage.h"

#include <QAction>
#include <QButtonGroup>
#include <QInputDialog>
#include <QLineEdit>
#include <QToolButton>

#include <utility>

namespace Brivane {

using namespace Quillon;
using namespace Qt::StringLiterals;

namespace {

void ShowSwatch(QWidget* swatch, const QColor& colour)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
}

} // namespace

TWhiteBoardPage::TWhiteBoardPage(TClassContext& context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TWhiteBoardPage>()), m_class(context), FBoard(264, 265)
{
    ui->setupUi(this);
    Image = ui->Image;
    PenWidth = ui->PenWidth;
    Image->ShowCanvas(&FBoard);

    const std::pair<QToolButton*, const char*> glyphs[] = {
        {ui->LineButton, "line"},
        {ui->RectangleButton, "rectangle"},
        {ui->EllipseButton, "ellipse"},
        {ui->RoundRectButton, "roundrect"},
        {ui->SolidPen, "solidpen"},
        {ui->DotPen, "dotpen"},
        {ui->SolidBrush, "solidbrush"},
        {ui->ClearBrush, "clearbrush"},
        {ui->DiagCrossBrush, "diagcrossbrush"},
    };
    for (const auto& [button, name] : glyphs)
        button->setIcon(ToolGlyph(QString::fromLatin1(name)));
    ShowSwatch(ui->Panel_LineColor, ColorOfValue(clBlack));
    ShowSwatch(ui->Panel_BrushColor, ColorOfValue(clWhite));

    ui->BitBtn6->setDefaultAction(ui->Action_SendDrawing);
    ui->BitBtn5->setDefaultAction(ui->Action_ClearDrawing);
    ui->BitBtn7->setDefaultAction(ui->Action_Drawingback);
    ui->BitBtn_Undo->setDefaultAction(ui->Action_UndoDrawing);
    addAction(ui->Action_UndoDrawing);
    addAction(ui->Action_RedoDrawing);

    ConnectGuarded(Image, &TBoardImage::MouseDown, this,
                   [this](Qt::MouseButton button, QPoint at) { ImageMouseDown(button, at); });
    ConnectGuarded(Image, &TBoardImage::MouseMove, this, [this](QPoint at) { ImageMouseMove(at); });
    ConnectGuarded(Image, &TBoardImage::MouseUp, this,
                   [this](Qt::MouseButton button, QPoint at) { ImageMouseUp(button, at); });

    const std::pair<QToolButton*, TDrawingTool> tools[] = {
        {ui->LineButton, dtLine},       {ui->RectangleButton, dtRectangle},
        {ui->EllipseButton, dtEllipse}, {ui->RoundRectButton, dtRoundRect},
        {ui->SpeedButton6, dtText},
    };
    for (const auto& [button, tool] : tools)
        ConnectGuarded(button, &QToolButton::clicked, this, [this, tool = tool] { SetDrawingTool(tool); });
    ConnectGuarded(ui->LineStyle, &QButtonGroup::buttonClicked, this,
                   [this](QAbstractButton* button) { SetPenStyle(button); });
    ConnectGuarded(ui->BrushStyle, &QButtonGroup::buttonClicked, this,
                   [this](QAbstractButton* button) { SetBrushStyle(button); });
    ConnectGuarded(PenWidth, &QSpinBox::valueChanged, this, [this] { PenSizeChange(); });

    ConnectGuarded(ui->Action_SendDrawing, &QAction::triggered, this,
                   [this] { Action_SendDrawingExecute(); });
    ConnectGuarded(ui->Action_ClearDrawing, &QAction::triggered, this,
                   [this] { Action_ClearDrawingExecute(); });
    ConnectGuarded(ui->Action_Drawingback, &QAction::triggered, this,
                   [this] { Action_DrawingbackExecute(); });
    ConnectGuarded(ui->Action_UndoDrawing, &QAction::triggered, this,
                   [this] { Action_UndoDrawingExecute(); });
    ConnectGuarded(ui->Action_RedoDrawing, &QAction::triggered, this,
                   [this] { Action_RedoDrawingExecute(); });
    UpdateUndoActions();
}

TWhiteBoardPage::~TWhiteBoardPage() = default;

void TWhiteBoardPage::BlankBoard()
{
    FBoard.Blank(Image->width(), Image->height());
    ShowBoard();
}

// --- drawing with the mouse

void TWhiteBoardPage::ImageMouseDown(Qt::MouseButton, QPoint at)
{
    // A second button pressed during a drag starts it again; the band shown so far goes first.
    if (FDrawing)
        DrawShape(FOrigin, FMovePt, pmNotXor);
    FDrawing = true;
    FOrigin = FMovePt = at;
    m_class.ShowStatus(2, u"Origin: (%1, %2)"_s.arg(at.x()).arg(at.y()));
    ShowBoard();
}

void TWhiteBoardPage::ImageMouseMove(QPoint at)
{
    if (FDrawing) {
        DrawShape(FOrigin, FMovePt, pmNotXor);
        FMovePt = at;
        DrawShape(FOrigin, FMovePt, pmNotXor);
        ShowBoard();
    }
    m_class.ShowStatus(3, u"Current: (%1, %2)"_s.arg(at.x()).arg(at.y()));
}

void TWhiteBoardPage::ImageMouseUp(Qt::MouseButton, QPoint at)
{
    if (!FDrawing)
        return;
    // Before the input box: nothing that arrives while it is open continues this drag.
    FDrawing = false;
    if (FDrawingTool == dtText) {
        bool ok = false;
        QString answer = QInputDialog::getText(this, u"Input Box:"_s, u"please input the text on the graph"_s,
                                               QLineEdit::Normal, QString(), &ok);
        if (!ok || answer.isEmpty())
            return;
        // A line end inside the text would end the line on the wire and start another.
        answer.replace(u'\r', u' ').replace(u'\n', u' ');
        auto action = std::make_unique<TDrawAction>();
        action->Kind = dtText;
        action->X1 = at.x();
        action->Y1 = at.y();
        action->Text = Ansi::ToWire(answer);
        FBoard.TextOut(at, action->Text);
        FHistory.Record(std::move(action));
    } else {
        // The band goes before the final shape, so a release away from the last move leaves none
        // of it behind; released on it, the final shape covers it all the same.
        DrawShape(FOrigin, FMovePt, pmNotXor);
        DrawShape(FOrigin, at, pmCopy);
        auto action = std::make_unique<TDrawAction>();
        action->X1 = FOrigin.x();
        action->Y1 = FOrigin.y();
        action->X2 = at.x();
        action->Y2 = at.y();
        action->Kind = FDrawingTool;
        action->PenStyle = FBoard.Pen.Style;
        action->BrushStyle = FBoard.Brush.Style;
        action->PenColor = FBoard.Pen.Color;
        action->BrushColor = FBoard.Brush.Color;
        action->PenWidth = FBoard.Pen.Width;
        FHistory.Record(std::move(action));
    }
    ShowBoard();
    UpdateUndoActions();
}

void TWhiteBoardPage::DrawShape(QPoint first, QPoint second, TPenMode mode)
{
    FBoard.Pen.Mode = mode;
    DrawFigure(FBoard, FDrawingTool, first, second);
}

// --- the tool panel

void TWhiteBoardPage::SetDrawingTool(TDrawingTool tool)
{
    FDrawingTool = tool;
}

void TWhiteBoardPage::SetPenStyle(QAbstractButton* button)
{
    FBoard.Pen.Style = button == ui->DotPen ? psDot : psSolid;
}

void TWhiteBoardPage::SetBrushStyle(QAbstractButton* button)
{
    if (button == ui->ClearBrush)
        FBoard.Brush.Style = bsClear;
    else if (button == ui->DiagCrossBrush)
        FBoard.Brush.Style = bsDiagCross;
    else
        FBoard.Brush.Style = bsSolid;
}

void TWhiteBoardPage::PenSizeChange()
{
    FBoard.Pen.Width = PenWidth->value();
}

// --- Send, Clear, Back

void TWhiteBoardPage::Action_SendDrawingExecute()
{
    FHistory.MoveToSent();
    UpdateUndoActions();
    m_class.Link().Send(DrawingPayloadLine(FHistory.Sent()));
}

void TWhiteBoardPage::Action_ClearDrawingExecute()
{
    QImage before = FBoard.Image();
    BlankBoard();
    FHistory.Clear(std::move(before));
    UpdateUndoActions();
}

void TWhiteBoardPage::Action_DrawingbackExecute()
{
    SaveCanvasStyles();
    BlankBoard();
    {
        TBoardCanvas::TBatch batch(FBoard);
        for (const auto& action : FHistory.Sent())
            action->Paint(FBoard);
    }
    RestoreCanvasStyles();
    ShowBoard();
}

void TWhiteBoardPage::SaveCanvasStyles()
{
    FSavedBrushStyle = FBoard.Brush.Style;
    FSavedPenStyle = FBoard.Pen.Style;
    FSavedPenWidth = FBoard.Pen.Width;
}

void TWhiteBoardPage::RestoreCanvasStyles()
{
    FBoard.Brush.Style = FSavedBrushStyle;
    FBoard.Pen.Style = FSavedPenStyle;
    FBoard.Pen.Width = FSavedPenWidth;
}

// --- Undo and Redo: nothing is ever sent by them

void TWhiteBoardPage::Action_UndoDrawingExecute()
{
    const TDrawingHistory::TStep step = FHistory.Undo();
    switch (step.change) {
    case TDrawingHistory::TBoardChange::Repaint:
        RepaintFromLists();
        break;
    case TDrawingHistory::TBoardChange::Picture:
        FBoard.SetImage(step.picture);
        break;
    case TDrawingHistory::TBoardChange::Blank:
    case TDrawingHistory::TBoardChange::None:
        break;
    }
    ShowBoard();
    UpdateUndoActions();
}

void TWhiteBoardPage::Action_RedoDrawingExecute()
{
    const TDrawingHistory::TStep step = FHistory.Redo(FBoard.Image());
    switch (step.change) {
    case TDrawingHistory::TBoardChange::Repaint:
        RepaintFromLists();
        break;
    case TDrawingHistory::TBoardChange::Blank:
        BlankBoard();
        break;
    case TDrawingHistory::TBoardChange::Picture:
    case TDrawingHistory::TBoardChange::None:
        break;
    }
    ShowBoard();
    UpdateUndoActions();
}

void TWhiteBoardPage::RepaintFromLists()
{
    const TBoardCanvas::TState state = FBoard.State();
    FBoard.Blank(Image->width(), Image->height());
    {
        TBoardCanvas::TBatch batch(FBoard);
        for (const auto& action : FHistory.Sent())
            action->Paint(FBoard);
        for (const auto& action : FHistory.Pending())
            action->Paint(FBoard);
    }
    FBoard.SetState(state);
}

void TWhiteBoardPage::ShowBoard()
{
    Image->update();
}

void TWhiteBoardPage::UpdateUndoActions()
{
    ui->Action_UndoDrawing->setEnabled(FHistory.CanUndo());
    ui->Action_RedoDrawing->setEnabled(FHistory.CanRedo());
}

} // namespace Brivane
