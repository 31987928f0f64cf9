#pragma once

#include "common/platform/webview.h"

namespace Quillon {

// Web views from the Qt WebEngine plugin, libquillon_webview.so. The plugin is loaded at the first
// view, not at start-up: the web engine's libraries are large and the programs start without
// them. It is looked for in lib/quillon beside the program's bin directory (the build tree and an
// installed system alike), then beside the program.
class TPluginWebViewFactory final : public TWebViewFactory
{
public:
    TWebView* CreateView(QWidget* parent) override;
};

} // namespace Quillon
