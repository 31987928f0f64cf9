#include "common/platform/webengine/webengineview.h"

#include "common/platform/webengine/browserwebpage.h"

#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

namespace Quillon {

using namespace Qt::StringLiterals;

namespace {

class TWebEngineView final : public TWebView
{
public:
    explicit TWebEngineView(QWidget* parent)
        : m_view(new QWebEngineView(parent)), m_page(new TBrowserWebPage(m_view))
    {
        m_view->setObjectName(u"WebBrowser1"_s);
        // Pages from the class are web pages: none of them reads the teacher's files.
        m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        m_view->setPage(m_page);
        QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view, [this](bool ok) {
            if (m_finished)
                m_finished(m_page->requestedUrl(), ok);
        });
    }

    QWidget* Widget() override { return m_view; }
    void Navigate(const QUrl& url) override { m_view->setUrl(url); }
    void SetLoadFinished(std::function<void(const QUrl&, bool)> finished) override
    {
        m_finished = std::move(finished);
    }

private:
    QWebEngineView* m_view; // owned by its parent widget
    TBrowserWebPage* m_page;
    std::function<void(const QUrl&, bool)> m_finished;
};

} // namespace

TWebView* TWebEngineViewFactory::CreateView(QWidget* parent)
{
    return new TWebEngineView(parent);
}

} // namespace Quillon
