#include "common/platform/webengine/browserwebpage.h"

namespace Quillon {

bool TBrowserWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (type != NavigationTypeTyped && url.isLocalFile() && !this->url().isLocalFile())
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

} // namespace Quillon
