#pragma once

#include "console/whiteboard/boardcanvas.h"
#include "console/whiteboard/drawaction.h"
#include "console/whiteboard/drawinghistory.h"

#include <QPoint>
#include <QWidget>

#include <memory>

class QAbstractButton;
class QAction;

namespace Brivane {

namespace Ui {
class TWhiteBoardPage;
}
class TBoardImage;
class TClassContext;
class TPenWidthBox;

// The whiteboard: the teacher draws lines, rectangles, ellipses, rounded rectangles and text on
// the board with a rubber band; Send writes the whole sent drawing to the class (code 3), Back
// shows what the class has, Clear empties the board without telling the class, and Undo takes
// back what was not sent yet, or a Clear. The drawing positions go to status panels 2 and 3.
class TWhiteBoardPage : public QWidget
{
    Q_OBJECT

public:
    TWhiteBoardPage(TClassContext& context, QWidget* parent);
    ~TWhiteBoardPage() override;

    // A new white bitmap of the board's size with the canvas defaults.
    void BlankBoard();

    const TDrawActionList& SentActions() const { return FHistory.Sent(); }
    const TDrawActionList& PendingActions() const { return FHistory.Pending(); }
    const TBoardCanvas& Board() const { return FBoard; }
    TDrawingTool DrawingTool() const { return FDrawingTool; }

    // --- handlers
    void ImageMouseDown(Qt::MouseButton button, QPoint at);
    void ImageMouseMove(QPoint at);
    void ImageMouseUp(Qt::MouseButton button, QPoint at);
    void SetDrawingTool(TDrawingTool tool); // LineButtonClick ... SpeedButton6Click
    void SetPenStyle(QAbstractButton* button);
    void SetBrushStyle(QAbstractButton* button);
    void PenSizeChange();
    void Action_SendDrawingExecute();
    void Action_ClearDrawingExecute();
    void Action_DrawingbackExecute();
    void Action_UndoDrawingExecute();
    void Action_RedoDrawingExecute();

private:
    void DrawShape(QPoint first, QPoint second, TPenMode mode);
    void SaveCanvasStyles();
    void RestoreCanvasStyles();
    // Blank, then the sent and the pending actions, the canvas state kept.
    void RepaintFromLists();
    void ShowBoard();
    void UpdateUndoActions();

    std::unique_ptr<Ui::TWhiteBoardPage> ui;
    TClassContext& m_class;
    TBoardImage* Image = nullptr;
    TPenWidthBox* PenWidth = nullptr;

    TBoardCanvas FBoard;
    TDrawingHistory FHistory; // FSentActions and FPendingActions
    TBrushStyle FSavedBrushStyle = bsSolid;
    TPenStyle FSavedPenStyle = psSolid;
    std::int32_t FSavedPenWidth = 1;
    bool FDrawing = false;
    QPoint FOrigin;
    QPoint FMovePt;
    TDrawingTool FDrawingTool = dtLine;
};

} // namespace Brivane
