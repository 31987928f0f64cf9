#include "console/chat/transcriptrecovery.h"

#include "common/core/error.h"
#include "console/chat/rtfwriter.h"

#include <QDir>
#include <QTextDocument>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace Brivane {

namespace {

const QString TranscriptPrefix = u"transcript-"_s;
const QString TranscriptSuffix = u".rtf"_s;

} // namespace

TTranscriptRecovery::TTranscriptRecovery(const QTextDocument& document, const QString& folder, int lagMs)
{
    const QString name =
        TranscriptPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + TranscriptSuffix;
    m_file = Quillon::TRecoveryFile::Claim(QDir(folder).filePath(name), lagMs);
    if (!m_file)
        throw Quillon::Error(u"The transcript's recovery file \"%1\" is in use."_s.arg(name));
    m_file->SetContent([&document] { return WriteRtf(document); });
    QObject::connect(&document, &QTextDocument::contentsChanged, m_file.get(),
                     &Quillon::TRecoveryFile::Changed);
}

TTranscriptRecovery::~TTranscriptRecovery()
{
    m_file->Remove();
}

std::vector<std::unique_ptr<Quillon::TRecoveryFile>> ClaimLeftoverTranscripts(const QString& folder)
{
    std::vector<std::unique_ptr<Quillon::TRecoveryFile>> leftovers;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({TranscriptPrefix + u'*' + TranscriptSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (auto file = Quillon::TRecoveryFile::Claim(dir.filePath(name), TranscriptLagMs))
            leftovers.push_back(std::move(file));
    return leftovers;
}

} // namespace Brivane
