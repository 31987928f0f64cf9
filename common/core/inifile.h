#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace Quillon {

// Read-only INI file as Windows reads it: sections and keys without regard to case, blanks
// around keys and values ignored, ';' comment lines, the first of duplicate keys wins.
// A missing file, section or key gives the default. Never written.
class TIniFile
{
public:
    explicit TIniFile(const QString& fileName);

    QByteArray ReadString(QByteArrayView section, QByteArrayView key, const QByteArray& defaultValue) const;
    // The integer conversion of the protocol; a value that does not convert gives the default.
    int ReadInteger(QByteArrayView section, QByteArrayView key, int defaultValue) const;

private:
    QHash<QByteArray, QByteArray> m_values; // "section\nkey", both lower-cased -> value
};

} // namespace Quillon
