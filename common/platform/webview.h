#pragma once

#include <QtPlugin>
#include <QUrl>

#include <functional>

class QWidget;

namespace Quillon {

// An embedded web view.
class TWebView
{
public:
    virtual ~TWebView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
    // Called after each load with the address that was asked for and whether the page loaded.
    virtual void SetLoadFinished(std::function<void(const QUrl& url, bool ok)> finished) = 0;
};

class TWebViewFactory
{
public:
    virtual ~TWebViewFactory() = default;
    // A new view whose widget is a child of `parent`. Throws Quillon::Error when no view can be made.
    virtual TWebView* CreateView(QWidget* parent) = 0;
};

} // namespace Quillon

#define Quillon_TWebViewFactory_iid "org.quillon.WebViewFactory/1"
Q_DECLARE_INTERFACE(Quillon::TWebViewFactory, Quillon_TWebViewFactory_iid)
