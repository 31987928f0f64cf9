#include "common/core/recoveryfile.h"

#include "common/core/error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Quillon {

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions OwnerFolder = OwnerOnly | QFileDevice::ExeOwner;

QString StateBase(const QString& program)
{
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir(xdg).filePath(program);
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

} // namespace

QString RecoveryFolder(const QString& program)
{
    const QString folder = StateBase(program);
    if (folder.isEmpty() || !QDir().mkpath(folder) || !QFile::setPermissions(folder, OwnerFolder))
        throw Error(
            u"The folder for unsaved work \"%1\" could not be made."_s.arg(QDir::toNativeSeparators(folder)));
    return folder;
}

std::unique_ptr<TRecoveryFile> TRecoveryFile::Claim(const QString& path, int lagMs)
{
    std::unique_ptr<TRecoveryFile> file(new TRecoveryFile(path, lagMs));
    // No wait: a live holder keeps its lock for as long as it runs.
    if (!file->m_lock.tryLock(0))
        return nullptr;
    return file;
}

TRecoveryFile::TRecoveryFile(const QString& path, int lagMs) : m_path(path), m_lock(path + u".lock"_s)
{
    // A holder is alive exactly while its process is: never age a lock out.
    m_lock.setStaleLockTime(0);
    m_lag.setSingleShot(true);
    m_lag.setInterval(lagMs);
    connect(&m_lag, &QTimer::timeout, this, &TRecoveryFile::Due);
}

TRecoveryFile::~TRecoveryFile() = default;

bool TRecoveryFile::Exists() const
{
    return QFile::exists(m_path);
}

QByteArray TRecoveryFile::Read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            u"\"%1\" could not be read: %2"_s.arg(QDir::toNativeSeparators(m_path), file.errorString()));
    return file.readAll();
}

void TRecoveryFile::Changed()
{
    if (!m_failed && !m_lag.isActive())
        m_lag.start();
}

void TRecoveryFile::Write()
{
    m_lag.stop();
    if (m_failed || !m_content)
        return;
    const QByteArray bytes = m_content();
    const auto failure = [this](const QString& reason) {
        m_failed = true;
        return Error(u"Unsaved work can no longer be kept in \"%1\": %2"_s.arg(
            QDir::toNativeSeparators(m_path), reason));
    };
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    // On the file being written, before it replaces the old one: never readable by others.
    if (!file.setPermissions(OwnerOnly) || file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}

void TRecoveryFile::Remove()
{
    m_lag.stop();
    QFile::remove(m_path);
}

} // namespace Quillon
