#pragma once

class QByteArray;
class QString;
class QTextDocument;

namespace Brivane {

// Writes the document as RTF to path. An existing file is replaced only once the new one is
// complete, so a failed save leaves it as it was. Throws Quillon::Error naming the file.
void SaveRtfFile(const QTextDocument& document, const QString& path);
// The same for a transcript already written as RTF.
void SaveRtfFile(const QByteArray& rtf, const QString& path);

} // namespace Brivane
