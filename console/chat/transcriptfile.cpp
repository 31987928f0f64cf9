#include "console/chat/transcriptfile.h"

#include "console/chat/rtfwriter.h"

#include "common/core/error.h"

#include <QDir>
#include <QSaveFile>
#include <QString>

using namespace Qt::StringLiterals;

namespace Brivane {

void SaveRtfFile(const QTextDocument& document, const QString& path)
{
    SaveRtfFile(WriteRtf(document), path);
}

void SaveRtfFile(const QByteArray& rtf, const QString& path)
{
    const auto failure = [&path](const QString& reason) {
        return Quillon::Error(
            u"The transcript could not be saved to \"%1\": %2"_s.arg(QDir::toNativeSeparators(path), reason));
    };

    // QSaveFile writes a file beside the target and renames it over the target on commit; until
    // then, and whenever something fails, the earlier file stays untouched.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    if (file.write(rtf) != rtf.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}

} // namespace Brivane
