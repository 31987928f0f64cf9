#include "console/chat/rtfwriter.h"
#include "console/chat/transcriptrecovery.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace Brivane;
using namespace Qt::StringLiterals;

class TestTranscriptRecovery : public QObject
{
    Q_OBJECT

    static constexpr int LagMs = 50;

    static QStringList transcripts(const QTemporaryDir& folder)
    {
        return QDir(folder.path()).entryList({u"transcript-*.rtf"_s}, QDir::Files);
    }

private Q_SLOTS:
    void twoConsolesAtOnce_eachKeepsItsOwnFile_neitherIsLeftOver()
    {
        QTemporaryDir folder;
        QTextDocument first;
        QTextDocument second;
        {
            TTranscriptRecovery one(first, folder.path(), LagMs);
            TTranscriptRecovery two(second, folder.path(), LagMs);
            QObject::connect(&one.File(), &Quillon::TRecoveryFile::Due, [&one] { one.File().Write(); });
            QObject::connect(&two.File(), &Quillon::TRecoveryFile::Due, [&two] { two.File().Write(); });
            QTextCursor(&first).insertText(u"first class"_s);
            QTextCursor(&second).insertText(u"second class"_s);

            QTRY_VERIFY(one.File().Exists() && two.File().Exists());
            QVERIFY(one.File().Path() != two.File().Path());
            QCOMPARE(one.File().Read(), WriteRtf(first));
            QCOMPARE(two.File().Read(), WriteRtf(second));
            QCOMPARE(transcripts(folder).size(), 2);
            QVERIFY(ClaimLeftoverTranscripts(folder.path()).empty());
        }
        QVERIFY(transcripts(folder).isEmpty());
    }

    void laterLines_reachTheFileWithinTheLag()
    {
        QTemporaryDir folder;
        QTextDocument document;
        TTranscriptRecovery recovery(document, folder.path(), LagMs);
        QObject::connect(&recovery.File(), &Quillon::TRecoveryFile::Due,
                         [&recovery] { recovery.File().Write(); });
        QTextCursor cursor(&document);
        cursor.insertText(u"one"_s);
        QTRY_VERIFY(recovery.File().Exists());
        cursor.insertBlock();
        cursor.insertText(u"two"_s);
        QTRY_COMPARE(recovery.File().Read(), WriteRtf(document));
    }
};

QTEST_MAIN(TestTranscriptRecovery)
#include "tst_transcriptrecovery.moc"
