// The INI file as the programs read it: any content, looked up by the sections and keys it
// names itself and by the ones the programs ask for.
#include "fuzz/fuzzsupport.h"

#include "common/core/inifile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace Quillon;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QCoreApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir directory;
    const QString fileName = directory.filePath(QStringLiteral("fuzz.ini"));
    const QByteArray content = Fuzz::Bytes(data, size);
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(content);
    }
    const TIniFile ini(fileName);

    QByteArray section = "Server";
    for (const QByteArray& line : Fuzz::InputLines(content)) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            section = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = equals < 0 ? line : line.left(equals);
        ini.ReadString(section, key, "default");
        ini.ReadInteger(section, key, -1);
    }
    for (const char* key : {"Host", "Port", "Name", "Server"})
        ini.ReadInteger("Server", key, 0);
    return 0;
}
