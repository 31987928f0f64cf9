#include "common/ui/errorreport.h"

#include "common/core/error.h"
#include "common/ui/messages.h"

#include <QString>

namespace Quillon {

void ReportError(QWidget* parent, const std::exception& error) noexcept
{
    try {
        if (auto* own = dynamic_cast<const Error*>(&error))
            ShowErrorBox(parent, own->message());
        else
            ShowErrorBox(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        // Showing the report itself failed (out of memory); nothing sensible is left to do.
    }
}

void ReportUnknownError(QWidget* parent) noexcept
{
    try {
        ShowErrorBox(parent, QStringLiteral("An unexpected error occurred."));
    } catch (...) {
    }
}

} // namespace Quillon
