#include "console/chat/leftovertranscripts.h"

#include "common/platform/filedialogs.h"
#include "common/ui/errorreport.h"
#include "common/ui/messages.h"
#include "console/chat/transcriptfile.h"
#include "console/chat/transcriptrecovery.h"

using namespace Qt::StringLiterals;

namespace Brivane {

using namespace Quillon;

void OfferLeftoverTranscripts(QWidget* parent, TFileDialogs& dialogs)
{
    std::vector<std::unique_ptr<TRecoveryFile>> leftovers;
    Guarded(parent,
            [&leftovers] { leftovers = ClaimLeftoverTranscripts(RecoveryFolder(ConsoleRecoveryProgram)); });
    for (const auto& leftover : leftovers) {
        const TAnswer answer =
            Ask(parent,
                u"An earlier class did not end properly and its transcript was kept. Do you want to save the "
                u"transcript now? If not, it is discarded."_s,
                TQuestion::YesNo);
        if (answer != TAnswer::Yes) {
            leftover->Remove();
            continue;
        }
        Guarded(parent, [&] {
            const QString path =
                dialogs.SaveFileName(parent, {u"SaveDialog"_s, u"rtf"_s, u"RTF file(*.rtf)"_s});
            if (path.isEmpty())
                return;
            SaveRtfFile(leftover->Read(), path);
            leftover->Remove();
        });
    }
}

} // namespace Brivane
