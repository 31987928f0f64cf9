#include "common/core/inifile.h"

#include "common/core/convert.h"

#include <QFile>

#include <ini.h>

namespace Quillon {

namespace {

QByteArray LookupKey(QByteArrayView section, QByteArrayView key)
{
    // QByteArray::toLower folds ASCII letters only, as the lookup must.
    return section.toByteArray().toLower() + '\n' + key.toByteArray().toLower();
}

int StoreValue(void* user, const char* section, const char* name, const char* value)
{
    auto& values = *static_cast<QHash<QByteArray, QByteArray>*>(user);
    const QByteArray key = LookupKey(section, name);
    if (!values.contains(key))
        values.insert(key, QByteArray(value));
    return 1;
}

} // namespace

TIniFile::TIniFile(const QString& fileName)
{
    // An indented line is a key of its own, not the continuation of the previous value.
    ini_allow_multiline = false;
    // A missing or unreadable file leaves every value at its default.
    ini_parse(QFile::encodeName(fileName).constData(), &StoreValue, &m_values);
}

QByteArray TIniFile::ReadString(QByteArrayView section, QByteArrayView key,
                                const QByteArray& defaultValue) const
{
    const auto it = m_values.constFind(LookupKey(section, key));
    return it == m_values.cend() ? defaultValue : *it;
}

int TIniFile::ReadInteger(QByteArrayView section, QByteArrayView key, int defaultValue) const
{
    const auto it = m_values.constFind(LookupKey(section, key));
    if (it == m_values.cend())
        return defaultValue;
    return TryStrToInt(*it).value_or(defaultValue);
}

} // namespace Quillon
