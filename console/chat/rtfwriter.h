#pragma once

#include <QByteArray>

class QTextDocument;

namespace Brivane {

// The document as an RTF 1 file in the Windows-1252 code page: one paragraph per text block,
// bold, italic and the text colour per fragment. All text is escaped, so whatever a student typed
// stays text and never becomes an RTF control word or group.
QByteArray WriteRtf(const QTextDocument& document);

} // namespace Brivane
