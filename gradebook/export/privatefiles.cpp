#include "gradebook/export/privatefiles.h"

#include "common/core/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace Cortelle {

namespace {

QString DefaultBaseDir()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

} // namespace

TPrivateFiles::TPrivateFiles(QString baseDir) : m_baseDir(baseDir.isEmpty() ? DefaultBaseDir() : baseDir) {}

TPrivateFiles::~TPrivateFiles() = default;

QString TPrivateFiles::NewFilePath(const QString& fileName)
{
    auto dir = std::make_unique<QTemporaryDir>(m_baseDir + u"/cortelle-XXXXXX"_s);
    constexpr auto OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (!dir->isValid() || !QFile::setPermissions(dir->path(), OwnerOnly)) {
        throw Quillon::Error(
            u"No private folder could be made in %1: %2."_s.arg(m_baseDir, dir->errorString()));
    }
    const QString path = QDir(dir->path()).absoluteFilePath(fileName);
    m_dirs.push_back(std::move(dir));
    return path;
}

} // namespace Cortelle
