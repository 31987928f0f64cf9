#pragma once

#include <QUrl>
#include <QWidget>

#include <memory>

class QComboBox;

namespace Quillon {
class TWebView;
class TWebViewFactory;
} // namespace Quillon

namespace Brivane {

namespace Ui {
class TWebBrowserPage;
}
// The "Web Browser" page: a web view filling the page, sent to the address in the hidden URLs box.
// The web engine is heavy to start, so the view is made at the first navigation or when the page
// is first shown, never while the program starts up.
class TWebBrowserPage : public QWidget
{
    Q_OBJECT

public:
    TWebBrowserPage(Quillon::TWebViewFactory& views, QWidget* parent);
    ~TWebBrowserPage() override;

    // The one source of the address the browser goes to; the teacher never sees it.
    QComboBox* URLs() const;
    // Writes the address into URLs and navigates to it.
    void ShowAddress(const QString& address);
    // Sends the browser to the text of URLs; an empty text shows an empty page.
    void NavigateToAddress();

    // Makes the web view if there is none yet. Without the web engine the page says why instead.
    void EnsureBrowser();
    bool HasBrowser() const { return m_view != nullptr; }
    // Where the browser was last sent.
    const QUrl& Address() const { return m_address; }

Q_SIGNALS:
    // A page finished loading, with the address it was asked for.
    void PageLoaded(const QUrl& url, bool ok);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowUnavailable(const QString& reason);

    std::unique_ptr<Ui::TWebBrowserPage> ui;
    Quillon::TWebViewFactory& m_views;
    std::unique_ptr<Quillon::TWebView> m_view;
    bool m_unavailable = false;
    QUrl m_address;
};

} // namespace Brivane
