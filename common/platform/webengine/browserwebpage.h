#pragma once

#include <QWebEnginePage>

namespace Quillon {

// The embedded browser's page: a page the browser shows never takes it to a local file unless
// that page is a local file itself. What the console navigates to on its own is checked before.
class TBrowserWebPage final : public QWebEnginePage
{
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

} // namespace Quillon
