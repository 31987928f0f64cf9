#include "common/core/error.h"
#include "common/core/recoveryfile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Quillon::TRecoveryFile;
using namespace Qt::StringLiterals;

namespace {

constexpr auto AnyPermission = QFileDevice::Permissions(0x7777);

QFileDevice::Permissions PermissionsOf(const QString& path)
{
    return QFile::permissions(path) & AnyPermission;
}

} // namespace

class TestRecoveryFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private Q_SLOTS:
    void init() { qputenv("XDG_STATE_HOME", m_home.path().toLocal8Bit()); }

    void folderAndFile_privateToTheUser_evenWhereTheFolderWasOpen()
    {
        const QString open = m_home.filePath(u"open"_s);
        QVERIFY(QDir().mkpath(open));
        QVERIFY(QFile::setPermissions(open, QFileDevice::Permissions(0x7755)));
        const QString folder = Quillon::RecoveryFolder(u"open"_s);
        QCOMPARE(folder, open);
        QCOMPARE(PermissionsOf(folder), QFileDevice::Permissions(0x7700));

        auto file = TRecoveryFile::Claim(QDir(folder).filePath(u"work"_s), 50);
        QVERIFY(file);
        QByteArray content = "first";
        file->SetContent([&content] { return content; });
        file->Write();
        content = "second";
        file->Write();
        QCOMPARE(file->Read(), QByteArray("second"));
        QCOMPARE(PermissionsOf(file->Path()), QFileDevice::Permissions(0x6600));
        QCOMPARE(QDir(folder).entryList({u"work*"_s}, QDir::Files), (QStringList{u"work"_s, u"work.lock"_s}));
        file->Remove();
        QVERIFY(!file->Exists());
    }

    void manyChanges_oneWriteDueWithinTheLag()
    {
        auto file = TRecoveryFile::Claim(m_home.filePath(u"lagged"_s), 200);
        QVERIFY(file);
        QSignalSpy due(file.get(), &TRecoveryFile::Due);
        for (int i = 0; i < 100; ++i)
            file->Changed();
        QVERIFY(due.wait(2000));
        QTest::qWait(400);
        QCOMPARE(due.count(), 1);
        file->Changed();
        QVERIFY(due.wait(2000));
        QCOMPARE(due.count(), 2);
    }

    void claim_refusedWhileHeld_grantedOnceReleased()
    {
        const QString path = m_home.filePath(u"shared"_s);
        auto first = TRecoveryFile::Claim(path, 50);
        QVERIFY(first);
        QVERIFY(!TRecoveryFile::Claim(path, 50));
        first.reset();
        QVERIFY(TRecoveryFile::Claim(path, 50));
    }

    void failedWrite_throwsOnce_thenNoLongerKept()
    {
        auto file = TRecoveryFile::Claim(m_home.filePath(u"gone"_s), 50);
        QVERIFY(file);
        file->SetContent([] { return QByteArray("x"); });
        // A folder in the file's place fails the write, also for root.
        QVERIFY(QDir().mkdir(file->Path()));
        QVERIFY_THROWS_EXCEPTION(Quillon::Error, file->Write());
        QVERIFY(QDir().rmdir(file->Path()));
        QSignalSpy due(file.get(), &TRecoveryFile::Due);
        file->Changed();
        QVERIFY(!due.wait(300));
        file->Write();
        QVERIFY(!file->Exists());
    }
};

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
