#pragma once

#include "devserver/uploadparser.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace Quillon::DevServer {

// The grades uploaded per course, one file per course in a state directory, each replaced
// atomically (written beside, then renamed) so a crash leaves the old file or the new one.
class GradeStore
{
public:
    explicit GradeStore(QString directory);

    const QString& Directory() const { return m_directory; }
    QString FileOf(const QByteArray& course) const;

    // Identifier -> grade text of every stored student of the course; empty when nothing has
    // been stored yet. Throws Quillon::Error when the file cannot be read or is damaged.
    QHash<QByteArray, QByteArray> Load(const QByteArray& course) const;
    // Merges the records into the stored grades of the course and writes them. Throws
    // Quillon::Error when anything fails; the stored file is then unchanged.
    void Store(const QByteArray& course, const QList<GradeRecord>& records) const;

private:
    QString m_directory;
};

} // namespace Quillon::DevServer
