#pragma once

#include <QString>

#include <memory>
#include <vector>

class QTemporaryDir;

namespace Cortelle {

// Private places for the files handed to other programs: each new file lives alone in a fresh
// directory only the user can enter (0700). The directories stay until this object goes (the
// program's end), because the program opening the file reads it after the export has returned.
class TPrivateFiles
{
public:
    // baseDir: where the directories go; empty for the user's runtime directory
    // ($XDG_RUNTIME_DIR, memory-backed and cleared at logout) or else the temporary directory.
    explicit TPrivateFiles(QString baseDir = {});
    ~TPrivateFiles();
    TPrivateFiles(const TPrivateFiles&) = delete;
    TPrivateFiles& operator=(const TPrivateFiles&) = delete;

    // The absolute path of fileName in a new private directory; the file itself is not created.
    // Throws Quillon::Error when the directory cannot be made.
    QString NewFilePath(const QString& fileName);

private:
    QString m_baseDir;
    std::vector<std::unique_ptr<QTemporaryDir>> m_dirs;
};

} // namespace Cortelle
