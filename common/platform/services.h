#pragma once

#include "common/platform/filedialogs.h"
#include "common/platform/mailtransport.h"
#include "common/platform/shellopen.h"
#include "common/platform/spreadsheetlauncher.h"
#include "common/platform/voice.h"
#include "common/platform/webview.h"

#include <memory>

namespace Quillon {

// Everything the programs reach of the desktop, handed to a program as one set. An empty entry
// is filled with the real one by FillRealServices; tests hand in recording doubles instead.
struct TPlatformServices
{
    std::unique_ptr<TVoiceFactory> Voice;
    std::unique_ptr<TShellOpen> Shell;
    std::unique_ptr<TFileDialogs> Dialogs;
    std::unique_ptr<TSpreadsheetLauncher> Spreadsheet;
    std::unique_ptr<TMailTransport> Mail;
    std::unique_ptr<TWebViewFactory> WebView;
};

// Fills every empty entry but Mail with the real service: the flite voice of Qt TextToSpeech,
// xdg-open, Qt's file dialogs, LibreOffice Calc and the Qt WebEngine plugin. The course office
// fills Mail itself (SMTP through libcurl, quillon_mailtransport).
TPlatformServices FillRealServices(TPlatformServices services);

} // namespace Quillon
