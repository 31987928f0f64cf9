#include "common/platform/services.h"

#include "common/platform/texttospeechvoice.h"
#include "common/platform/webviewplugin.h"

namespace Quillon {

TPlatformServices FillRealServices(TPlatformServices services)
{
    if (!services.Voice)
        services.Voice = std::make_unique<TTextToSpeechVoiceFactory>();
    if (!services.Shell)
        services.Shell = std::make_unique<TXdgOpen>();
    if (!services.Dialogs)
        services.Dialogs = std::make_unique<TQtFileDialogs>();
    if (!services.Spreadsheet)
        services.Spreadsheet = std::make_unique<TCalcLauncher>();
    if (!services.WebView)
        services.WebView = std::make_unique<TPluginWebViewFactory>();
    return services;
}

} // namespace Quillon
