#pragma once

#include <exception>
#include <utility>

class QWidget;

namespace Quillon {

// The general error report: a box with the error's text; the program carries on.
void ReportError(QWidget* parent, const std::exception& error) noexcept;
void ReportUnknownError(QWidget* parent) noexcept;

// Runs a handler entered from the event loop; any exception it raises ends in the general error
// report instead of crossing the event loop. What the handler did before the error stays done.
template <typename Handler> void Guarded(QWidget* parent, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ReportError(parent, error);
    } catch (...) {
        ReportUnknownError(parent);
    }
}

} // namespace Quillon
