#pragma once

#include "console/whiteboard/drawaction.h"

#include <QImage>

#include <memory>
#include <optional>
#include <vector>

namespace Brivane {

// The whiteboard's two lists, each action in exactly one of them, and the teacher's undo over
// them: the actions not yet sent can be taken back one by one, and a Clear as a whole. What was
// sent is the class's and stays; Send therefore ends the history. Widget-free.
class TDrawingHistory
{
public:
    TDrawingHistory();
    ~TDrawingHistory();

    // Actions already sent, oldest first, and those drawn since the last Send.
    const TDrawActionList& Sent() const { return FSentActions; }
    const TDrawActionList& Pending() const { return FPendingActions; }

    // A finished shape or text: pending grows. What Undo took can no longer come back.
    void Record(std::unique_ptr<TDrawAction> action);
    // Send, step 1: the pending actions follow the sent ones, in order.
    void MoveToSent();
    // Both lists emptied; Undo brings them back with the picture the board showed before.
    void Clear(QImage pictureBefore);

    // What the board has to do after Undo or Redo.
    enum class TBoardChange {
        None,    // nothing to take back or bring back
        Repaint, // from the sent and the pending actions
        Picture, // show the picture kept by the Clear that was taken back
        Blank    // a Clear done again
    };
    struct TStep
    {
        TBoardChange change = TBoardChange::None;
        QImage picture;
    };
    TStep Undo();
    // A Clear done again keeps `currentPicture` for the next Undo.
    TStep Redo(const QImage& currentPicture);
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

private:
    struct TCleared
    {
        TDrawActionList sent;
        TDrawActionList pending;
        QImage picture;
    };
    void DoClear(QImage pictureBefore);

    TDrawActionList FSentActions;
    TDrawActionList FPendingActions;
    // Newest last. An empty entry stands for the last pending action, a filled one for a Clear.
    std::vector<std::optional<TCleared>> m_undo;
    // Newest last. An action Undo took, or null for a Clear it took back.
    std::vector<std::unique_ptr<TDrawAction>> m_redo;
};

} // namespace Brivane
