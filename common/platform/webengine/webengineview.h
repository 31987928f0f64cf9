#pragma once

#include "common/platform/webview.h"

#include <QObject>

namespace Quillon {

// The plugin's entry: web views made with Qt WebEngine.
class TWebEngineViewFactory final : public QObject, public TWebViewFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Quillon_TWebViewFactory_iid)
    Q_INTERFACES(Quillon::TWebViewFactory)

public:
    TWebView* CreateView(QWidget* parent) override;
};

} // namespace Quillon
