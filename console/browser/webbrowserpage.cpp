#include "console/browser/webbrowserpage.h"

#include "common/core/error.h"
#include "common/platform/webview.h"
#include "ui_webbrowserpage.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaObject>

namespace Brivane {

using namespace Qt::StringLiterals;

TWebBrowserPage::TWebBrowserPage(Quillon::TWebViewFactory& views, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TWebBrowserPage>()), m_views(views)
{
    ui->setupUi(this);
}

// The view's widget is a child of this page and goes with it.
TWebBrowserPage::~TWebBrowserPage() = default;

QComboBox* TWebBrowserPage::URLs() const
{
    return ui->URLs;
}

void TWebBrowserPage::EnsureBrowser()
{
    if (m_view || m_unavailable)
        return;
    try {
        m_view.reset(m_views.CreateView(this));
    } catch (const Quillon::Error& error) {
        ShowUnavailable(error.message());
        return;
    }
    // Queued: the page's owner hears of a load from the event loop, never from inside the engine.
    m_view->SetLoadFinished([this](const QUrl& url, bool ok) {
        QMetaObject::invokeMethod(
            this, [this, url, ok] { Q_EMIT PageLoaded(url, ok); }, Qt::QueuedConnection);
    });
    ui->pageLayout->addWidget(m_view->Widget(), 1);
}

void TWebBrowserPage::ShowUnavailable(const QString& reason)
{
    m_unavailable = true;
    auto* label = new QLabel(this);
    label->setObjectName(u"Label_BrowserUnavailable"_s);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setText(reason);
    ui->pageLayout->addWidget(label, 1);
}

void TWebBrowserPage::ShowAddress(const QString& address)
{
    ui->URLs->setEditText(address);
    NavigateToAddress();
}

void TWebBrowserPage::NavigateToAddress()
{
    const QString address = ui->URLs->currentText();
    m_address = address.isEmpty() ? QUrl(u"about:blank"_s) : QUrl::fromUserInput(address);
    EnsureBrowser();
    if (m_view)
        m_view->Navigate(m_address);
}

void TWebBrowserPage::showEvent(QShowEvent* event)
{
    EnsureBrowser();
    QWidget::showEvent(event);
}

} // namespace Brivane
