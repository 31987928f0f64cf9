#include "console/whiteboard/drawinghistory.h"

#include <iterator>

namespace Brivane {

TDrawingHistory::TDrawingHistory() = default;
TDrawingHistory::~TDrawingHistory() = default;

void TDrawingHistory::Record(std::unique_ptr<TDrawAction> action)
{
    FPendingActions.push_back(std::move(action));
    m_undo.emplace_back();
    m_redo.clear();
}

void TDrawingHistory::MoveToSent()
{
    FSentActions.insert(FSentActions.end(), std::make_move_iterator(FPendingActions.begin()),
                        std::make_move_iterator(FPendingActions.end()));
    FPendingActions.clear();
    m_undo.clear();
    m_redo.clear();
}

void TDrawingHistory::Clear(QImage pictureBefore)
{
    DoClear(std::move(pictureBefore));
    m_redo.clear();
}

void TDrawingHistory::DoClear(QImage pictureBefore)
{
    m_undo.push_back(TCleared{std::move(FSentActions), std::move(FPendingActions), std::move(pictureBefore)});
    FSentActions.clear();
    FPendingActions.clear();
}

TDrawingHistory::TStep TDrawingHistory::Undo()
{
    if (m_undo.empty())
        return {};
    std::optional<TCleared> entry = std::move(m_undo.back());
    m_undo.pop_back();
    if (!entry) {
        if (FPendingActions.empty()) { // cannot happen: each such entry stands for a pending action
            m_undo.clear();
            return {};
        }
        m_redo.push_back(std::move(FPendingActions.back()));
        FPendingActions.pop_back();
        return {TBoardChange::Repaint, {}};
    }
    // Nothing was recorded since that Clear (it would lie above it), so both lists are empty.
    FSentActions = std::move(entry->sent);
    FPendingActions = std::move(entry->pending);
    m_redo.push_back(nullptr);
    return {TBoardChange::Picture, std::move(entry->picture)};
}

TDrawingHistory::TStep TDrawingHistory::Redo(const QImage& currentPicture)
{
    if (m_redo.empty())
        return {};
    std::unique_ptr<TDrawAction> action = std::move(m_redo.back());
    m_redo.pop_back();
    if (!action) {
        DoClear(currentPicture);
        return {TBoardChange::Blank, {}};
    }
    FPendingActions.push_back(std::move(action));
    m_undo.emplace_back();
    return {TBoardChange::Repaint, {}};
}

} // namespace Brivane
