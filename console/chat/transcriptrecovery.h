#pragma once

#include "common/core/recoveryfile.h"

#include <QString>

#include <memory>
#include <vector>

class QTextDocument;

namespace Brivane {

// How far the kept transcript may lag behind what the chat shows.
inline constexpr int TranscriptLagMs = 2000;
// The console's folder of unsaved work, under the user's state folder.
inline const QString ConsoleRecoveryProgram = QStringLiteral("brivane");

// Keeps the transcript shown in a document in a recovery file of this run's own (so two consoles
// never share one), as the RTF that "Save" writes. The file goes with the object: every end
// through the program is a clean one, and only a killed or crashed run leaves it behind.
class TTranscriptRecovery
{
public:
    TTranscriptRecovery(const QTextDocument& document, const QString& folder, int lagMs = TranscriptLagMs);
    ~TTranscriptRecovery();

    Quillon::TRecoveryFile& File() { return *m_file; }

private:
    std::unique_ptr<Quillon::TRecoveryFile> m_file;
};

// The transcripts that runs which did not end cleanly left in the folder, each claimed for this
// run; those of consoles still running are left to them.
std::vector<std::unique_ptr<Quillon::TRecoveryFile>> ClaimLeftoverTranscripts(const QString& folder);

} // namespace Brivane
