// Both programs, on their real windows, against the development class server in quiet mode.
#include "common/ui/application.h"
#include "testdata.h"
#include "tests/devserver/serverthread.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingservices.h"
#include "tests/support/testconfig.h"

#include "console/app/consoleprogram.h"
#include "gradebook/app/officeprogram.h"

#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using Quillon::Application;

class TestEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ServerThread> m_server;

    static Quillon::DevServer::DevServerOptions quietClass(const QString& stateDir)
    {
        Quillon::DevServer::DevServerOptions options;
        options.dataDirectory = QStringLiteral(QUILLON_SOURCE_DIR "/devserver/data");
        options.stateDirectory = stateDir;
        options.simulation.quiet = true;
        return options;
    }

    // The folder's configuration, a short tick and desktop services that start nothing.
    Quillon::TProgramOptions options() const
    {
        Quillon::TProgramOptions options;
        options.ConfigDir = m_dir.path();
        options.TickMs = 40;
        options.Services.Voice = std::make_unique<Quillon::TRecordingVoiceFactory>();
        options.Services.Dialogs = std::make_unique<Quillon::TRecordingFileDialogs>();
        options.Services.Shell = std::make_unique<Quillon::TRecordingShellOpen>();
        options.Services.Spreadsheet = std::make_unique<Quillon::TRecordingSpreadsheetLauncher>();
        options.Services.WebView = std::make_unique<Quillon::TRecordingWebViewFactory>();
        return options;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_server = std::make_unique<ServerThread>(quietClass(m_dir.filePath(QStringLiteral("state"))));
        QVERIFY2(m_server->Begin(), qPrintable(m_server->Error()));
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_server->NamePort())));
    }

    void cleanupTestCase() { m_server.reset(); }

    void console_signsIn_andShowsTheClassOnline()
    {
        ModalWatcher boxes;
        boxes.Then(
            ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("quillon")));
        boxes.Then(ModalWatcher::PickCourse(0));
        boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok)); // the server's welcome
        Brivane::TProgram program(options());
        program.Form_Main->show();

        const Quillon::TStudentList& roster = program.Form_Main->Roster();
        auto everyoneOnline = [&roster] {
            if (roster.Count() == 0)
                return false;
            for (const auto& student : roster)
                if (student->FStatus == Quillon::ssOffline)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(everyoneOnline(), 20000);
        QCOMPARE(roster.Count(), 24);
        QCOMPARE(program.Form_Main->Course(), QByteArray("Algebra I"));
        QVERIFY(!program.Form_Main->NameServerConnection().Connected());
        QTRY_VERIFY(program.Form_Main->PanelText(2).startsWith(QStringLiteral("Last msg by: ")));
        QVERIFY(!Application().Terminated());
        QCOMPARE(boxes.SeenBoxes().size(), 3);
    }

    void office_signsIn_andBuildsTheGradeBook()
    {
        ModalWatcher boxes;
        boxes.Then(
            ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("quillon")));
        boxes.Then(ModalWatcher::PickCourse(0));
        Cortelle::TProgram program(options());
        program.Form_Main->show();

        QTRY_VERIFY_WITH_TIMEOUT(program.Form_Main->Roster().Count() == 24, 20000);
        QVERIFY(!program.Form_Main->ColumnTitles().isEmpty());
        auto* grid = program.Form_Main->findChild<QTableView*>(QStringLiteral("sgrdMain"));
        QVERIFY(grid);
        QTRY_COMPARE(grid->model()->rowCount(), 24 + 2);
        QVERIFY(program.Form_Main->NameServerConnection().Connected());
        QCOMPARE(boxes.SeenBoxes().size(), 2);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
