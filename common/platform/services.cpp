#include "common/platform/services.h"

#include "common/platform/texttospeechvoice.h"

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
    return services;
}

} // namespace Quillon
