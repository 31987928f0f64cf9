#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

namespace Quillon {

// The folder that keeps a program's unsaved work between runs: $XDG_STATE_HOME/<program> when
// that variable names an absolute path, else the application's local data folder. Created on
// demand and kept private to the user (0700). Throws Quillon::Error when it cannot be made.
QString RecoveryFolder(const QString& program);

// A file that keeps what a program would lose to a crash, claimed by one run at a time. The claim
// is a lock beside the file; a run that was killed leaves a lock whose process is gone, so the
// next run can claim the file and find it left over. Writes replace the file atomically, private
// to the user (0600), at most once per lag however often the content changes.
class TRecoveryFile : public QObject
{
    Q_OBJECT

public:
    // The file for this run, or nullptr when a running program holds it.
    static std::unique_ptr<TRecoveryFile> Claim(const QString& path, int lagMs);
    // Releases the claim; the file stays for the next run unless removed.
    ~TRecoveryFile() override;

    const QString& Path() const { return m_path; }
    bool Exists() const;
    // The file's bytes; throws Quillon::Error when it cannot be read.
    QByteArray Read() const;

    // Where the bytes come from when the file is due.
    void SetContent(std::function<QByteArray()> content) { m_content = std::move(content); }
    // The content changed: Due follows within the lag, once for any number of changes.
    void Changed();
    // Writes the content now; throws Quillon::Error naming the file. After one failure the file
    // is no longer kept, so a full disk is reported once and not every few seconds.
    void Write();
    // Removes the file and drops a pending write.
    void Remove();

Q_SIGNALS:
    // Time to call Write (from the owner, which reports what it throws).
    void Due();

private:
    TRecoveryFile(const QString& path, int lagMs);

    QString m_path;
    QLockFile m_lock;
    QTimer m_lag;
    std::function<QByteArray()> m_content;
    bool m_failed = false;
};

} // namespace Quillon
