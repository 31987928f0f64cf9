// Crash recovery with real processes: a console and a course office are killed (SIGKILL) after
// chat lines arrived and grades were typed; the next start offers back what they had shown.
#include "console/chat/transcriptrecovery.h"
#include "gradebook/book/gradedraft.h"
#include "gradebook/grid/stringgridmodel.h"
#include "tests/endtoend/crashing_session.h"
#include "tests/gradebook/app/officesession.h"
#include "tests/support/consolesession.h"
#include "tests/support/rtfreadback.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr auto OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Starts the crashing session, waits for its ready line, lets the lag pass with a margin, and
// kills it. False when the session never got ready or did not die by the signal.
bool RunAndKill(const QString& mode, const QString& stateHome)
{
    QProcess session;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(CrashingSession::ModeVariable), mode);
    env.insert(QString::fromLatin1(CrashingSession::StateVariable), stateHome);
    session.setProcessEnvironment(env);
    session.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    session.start(QStringLiteral(CRASHING_SESSION_PATH), {});
    QByteArray output;
    while (!output.contains(CrashingSession::ReadyLine)) {
        if (!session.waitForReadyRead(60000)) {
            qWarning("crashing session output: %s", output.constData());
            return false;
        }
        output += session.readAllStandardOutput();
    }
    QTest::qWait(std::max(Brivane::TranscriptLagMs, Cortelle::GradeDraftLagMs) + 1500);
    session.kill(); // SIGKILL
    return session.waitForFinished(10000) && session.exitStatus() == QProcess::CrashExit;
}

QStringList FilesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files);
}

bool IsPrivate(const QString& file, QFileDevice::Permissions allowed)
{
    const QFileDevice::Permissions all =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
        QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther |
        QFileDevice::ExeOther;
    return (QFileInfo(file).permissions() & all) == allowed;
}

// unrtf's paragraphs come back as lines of one block, each ending in a blank.
QStringList ReadBackLines(const QTextDocument& document)
{
    QStringList lines = document.toPlainText().replace(QChar::LineSeparator, u'\n').split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    return lines;
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

    // The crashing session in `mode`, killed: what it leaves in its folder of unsaved work is one
    // file of the pattern, private in a private folder.
    static void killedRun_leavesOnePrivateFile(const QString& mode, const QString& home,
                                               const QString& folder, const QString& pattern)
    {
        QVERIFY(RunAndKill(mode, home));
        const QStringList left = FilesIn(folder, pattern);
        QCOMPARE(left.size(), 1);
        QVERIFY(IsPrivate(folder, OwnerOnly | QFileDevice::ExeOwner));
        QVERIFY(IsPrivate(QDir(folder).filePath(left.first()), OwnerOnly));
    }

private Q_SLOTS:
    void console_killedAfterChat_transcriptSavedAtNextStart()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(u"brivane"_s);
        killedRun_leavesOnePrivateFile(u"console"_s, home.path(), folder, u"transcript-*.rtf"_s);
        if (QTest::currentTestFailed())
            return;

        auto console = std::make_unique<ConsoleSession>();
        console->SetStateHome(home.path());
        console->Create();
        const QString saved = home.filePath(u"earlier.rtf"_s);
        console->Dialogs()->Answers.push_back(saved);
        console->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        console->JoinClass();
        QVERIFY(console->Boxes().SeenTexts().first().contains(u"transcript"_s));
        QCOMPARE(console->Dialogs()->SaveRequests, QStringList{u"SaveDialog"_s});

        const std::unique_ptr<QTextDocument> document = ReadBackRtf(saved);
        QVERIFY(document);
        const QStringList texts = ReadBackLines(*document);
        for (const QByteArray& line : CrashingSession::ChatLines()) {
            const QString shown = QString::fromLatin1(line).replace(QChar(0x80), QChar(0x20AC));
            QVERIFY2(texts.contains(shown), qPrintable(shown + u" missing from: "_s + texts.join(u'|')));
        }
        QVERIFY(FilesIn(folder, u"transcript-*.rtf"_s).isEmpty());

        // This run keeps its own transcript, and a clean end (No at the close question) leaves none.
        console->Deliver({"Jane", "Doe", "2", "0", "-1", "after the restart"});
        QTRY_COMPARE_WITH_TIMEOUT(FilesIn(folder, u"transcript-*.rtf"_s).size(), 1,
                                  Brivane::TranscriptLagMs + 3000);
        console->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::No));
        QVERIFY(console->Form().close());
        console.reset();
        QVERIFY(FilesIn(folder, u"transcript-*.rtf"_s).isEmpty());
    }

    void office_killedAfterEdits_gradesBackAndSaved_leaverReported()
    {
        QTemporaryDir home;
        const QString folder = home.filePath(u"cortelle"_s);
        killedRun_leavesOnePrivateFile(u"office"_s, home.path(), folder, u"grades-*.draft"_s);
        if (QTest::currentTestFailed())
            return;

        // The class has changed since: Jane Doe (s1) left, a new student comes first.
        const QList<QByteArray> roster{"s3", "Al", "Ng", "al@example.org", "E;F", //
                                       "s2", "Bo", "Li", "bo@example.org", "C;D"};
        OfficeSession office;
        office.SetStateHome(home.path());
        QVERIFY(office.SignIn());
        QVERIFY(office.SendTitles(CrashingSession::ColumnTitles, ""));
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QVERIFY(office.SendRoster(roster));
        QTRY_COMPARE(office.Boxes().Pending(), 0);

        const QStringList texts = office.Boxes().SeenTexts();
        QVERIFY(texts.at(texts.size() - 2).contains(u"put them back"_s));
        QVERIFY(texts.last().contains(u"Student s1, Quiz 1: B-"_s));
        QCOMPARE(office.Cells().Cells(4, 3), QByteArray("D+"));
        QCOMPARE(office.Cells().Cells(3, 2), QByteArray("E"));

        const qsizetype before = office.LineCount();
        office.Action("Action_SaveData").trigger();
        QCOMPARE(office.LinesFrom(before),
                 QList<QByteArray>{Packet({OfficeSession::Course, "s3", "E;F", "s2", "C;D+"})});
        QVERIFY(FilesIn(folder, u"grades-*.draft"_s).isEmpty());
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
