// Sign-in of the console on its real windows against a scripted name server.
#include "common/ui/application.h"
#include "console/app/consoleprogram.h"
#include "tests/support/consolesession.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/testconfig.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Brivane::TProgram;
using Quillon::Application;

namespace {
const QByteArray Header("\xC2\xC3\xC4", 3);
}

class TestSignInConsole : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<TProgram> m_program;

    // The program reading its configuration from the test's folder, ticking fast, with recording
    // desktop services.
    void makeProgram()
    {
        Quillon::TProgramOptions options;
        options.ConfigDir = m_dir.path();
        options.TickMs = ConsoleSession::TickMs;
        options.Services.Voice = std::make_unique<Quillon::TRecordingVoiceFactory>();
        options.Services.Dialogs = std::make_unique<Quillon::TRecordingFileDialogs>();
        options.Services.Shell = std::make_unique<Quillon::TRecordingShellOpen>();
        options.Services.WebView = std::make_unique<Quillon::TRecordingWebViewFactory>();
        m_program = std::make_unique<TProgram>(std::move(options));
    }

    // Builds the program over the scripted name server and starts it; the login is answered.
    void start(const QString& first = QStringLiteral("Ann"), const QString& last = QStringLiteral("Lee"),
               const QString& password = QStringLiteral("secret"))
    {
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        makeProgram();
        m_boxes->Then(ModalWatcher::Login(first, last, password));
        m_program->Form_Main->show();
        QVERIFY(m_nameServer->WaitForClient());
    }

    // Sends a line and waits for the client's next one.
    QByteArray exchange(const QByteArray& line)
    {
        const int before = static_cast<int>(m_nameServer->ReceivedLines().size());
        m_nameServer->SendLine(line);
        if (!m_nameServer->WaitForLines(before + 1))
            return "<no answer>";
        return m_nameServer->ReceivedLines().at(before);
    }

private Q_SLOTS:
    void init()
    {
        m_nameServer = std::make_unique<ScriptedPeer>();
        m_boxes = std::make_unique<ModalWatcher>();
    }

    void cleanup()
    {
        m_program.reset();
        m_boxes.reset();
        m_nameServer.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("config_teacher.ini")));
    }

    void fullExchange_sendsExactLinesAndJoinsTheClass()
    {
        ScriptedPeer commServer;
        start(QStringLiteral(" Ann "), QStringLiteral("Lee  "), QStringLiteral("  "));
        QCOMPARE(m_program->Form_Main->windowTitle(), QStringLiteral("Brivane Version 3.1"));
        QCOMPARE(m_program->Form_Login->windowTitle(), QStringLiteral("Brivane Version 3.1"));

        QCOMPARE(exchange(Packet({"0"})), Packet({"2", " Ann ", "Lee  ", "7193"}));

        m_boxes->Then(ModalWatcher::PickCourse(1));
        QCOMPARE(exchange(Packet({"1", "Algebra", " Biology \t"})), Packet({"Biology"}));

        QCOMPARE(exchange(Packet({"2", " 127.0.0.1 ", " " + QByteArray::number(commServer.Port())})), Header);
        QCOMPARE(m_program->Form_Main->CommHost(), QByteArray("127.0.0.1"));
        QCOMPARE(m_program->Form_Main->Teacher().FFirstName, QByteArray(" Ann "));

        m_nameServer->SendLine(Packet({"3", "Jane", "Doe", "Bo"}));
        QVERIFY(commServer.WaitForClient());
        const Quillon::TStudentList& roster = m_program->Form_Main->Roster();
        QCOMPARE(roster.Count(), 2);
        QCOMPARE(roster.Items(1)->FFirstName, QByteArray("Bo"));
        QCOMPARE(roster.Items(1)->FLastName, QByteArray());
        QVERIFY(roster.Items(0)->FPushPermission);
        QCOMPARE(int(roster.Items(0)->FStatus), int(Quillon::ssOffline));
        QVERIFY(!m_program->Form_Main->NameServerConnection().Connected());
        QCOMPARE(m_program->Form_Main->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive(), false);
        QVERIFY(m_nameServer->Received().endsWith("\r\n"));
        QVERIFY(!Application().Terminated());
        QVERIFY(m_boxes->SeenTexts().filter(QStringLiteral("Error")).isEmpty());
    }

    void codeField_leadingZeroHandled_trailingBlankDropped()
    {
        ScriptedPeer commServer;
        start();
        m_nameServer->SendLine(Packet({"0 "}));
        QCOMPARE(exchange(Packet({"00"})), Packet({"2", "Ann", "Lee", "secret"}));
        QCOMPARE(m_nameServer->ReceivedLines().size(), 1);
        QCOMPARE(exchange(Packet({"2", "127.0.0.1", QByteArray::number(commServer.Port())})), Header);
        m_nameServer->SendLine(Packet({"3 ", "Jane", "Doe"}));
        m_nameServer->SendLine(Packet({"03", "Jane", "Doe"}));
        QVERIFY(commServer.WaitForClient());
        QCOMPARE(m_program->Form_Main->Roster().Count(), 1);
    }

    void passwordAndNames_sentAsTyped_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("empty becomes 7193") << QString() << QByteArray("7193");
        QTest::newRow("blanks only become 7193") << QStringLiteral("   ") << QByteArray("7193");
        QTest::newRow("blanks around kept") << QStringLiteral(" pw ") << QByteArray(" pw ");
    }
    void passwordAndNames_sentAsTyped()
    {
        QFETCH(QString, password);
        QFETCH(QByteArray, sent);
        start(QStringLiteral("Ann"), QString(), password);
        QCOMPARE(exchange(Packet({"0"})), Packet({"2", "Ann", "", sent}));
    }

    void emptyCourseList_answeredWithoutDialog()
    {
        start();
        QCOMPARE(exchange(Packet({"1"})), Header + "$$$");
        QCOMPARE(m_boxes->SeenBoxes().size(), 1); // the login only
    }

    void courseDialogCloseBox_choosesShownCourse_andSecondListAppends()
    {
        start();
        m_boxes->Then(ModalWatcher::PickCourse(1, true));
        QCOMPARE(exchange(Packet({"1", "Algebra", "Biology"})), Packet({"Biology"}));
        QStringList offered;
        m_boxes->Then([&offered](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox_Course"));
            for (int i = 0; i < combo->count(); ++i)
                offered << combo->itemText(i);
            ModalWatcher::PickCourse(0)(dialog);
        });
        QCOMPARE(exchange(Packet({"1", "Chemistry"})), Packet({"Algebra"}));
        QCOMPARE(offered, (QStringList{QStringLiteral("Algebra"), QStringLiteral("Biology"),
                                       QStringLiteral("Chemistry")}));
    }

    void lineArrivingWhileCourseDialogOpen_handledInsideIt()
    {
        start();
        bool answeredWhileOpen = false;
        m_boxes->Then([this, &answeredWhileOpen](QWidget* dialog) {
            m_nameServer->SendLine(Packet({"0"}));
            auto* poller = new QTimer(dialog);
            poller->setInterval(10);
            connect(poller, &QTimer::timeout, dialog, [this, dialog, poller, &answeredWhileOpen] {
                if (m_nameServer->ReceivedLines().isEmpty())
                    return;
                poller->stop();
                answeredWhileOpen = dialog->isVisible();
                ModalWatcher::PickCourse(0)(dialog);
            });
            poller->start();
        });
        m_nameServer->SendLine(Packet({"1", "Algebra"}));
        QVERIFY(m_nameServer->WaitForLines(2));
        QVERIFY(answeredWhileOpen);
        QCOMPARE(m_nameServer->ReceivedLines(),
                 (QList<QByteArray>{Packet({"2", "Ann", "Lee", "secret"}), Packet({"Algebra"})}));
    }

    void secondCourseListWhileDialogOpen_updatesIt_onlyTheChoiceSent()
    {
        start();
        QStringList offered;
        int linesWhileOpen = -1;
        m_boxes->Then([this, &offered, &linesWhileOpen](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox_Course"));
            combo->setCurrentIndex(1); // the teacher's pick so far stays picked
            m_nameServer->SendLine(Packet({"1", "Chemistry"}));
            auto* poller = new QTimer(dialog);
            poller->setInterval(10);
            connect(poller, &QTimer::timeout, dialog, [=, this, &offered, &linesWhileOpen] {
                if (combo->count() < 3)
                    return;
                poller->stop();
                for (int i = 0; i < combo->count(); ++i)
                    offered << combo->itemText(i);
                QTest::qWait(5 * 40); // ticks enough to have sent anything they would send
                linesWhileOpen = static_cast<int>(m_nameServer->ReceivedLines().size());
                QCOMPARE(combo->currentIndex(), 1);
                ModalWatcher::PickCourse(2)(dialog);
            });
            poller->start();
        });
        m_nameServer->SendLine(Packet({"1", "Algebra", "Biology"}));
        QVERIFY(m_nameServer->WaitForLines(1));
        QTest::qWait(200);
        QCOMPARE(offered, (QStringList{QStringLiteral("Algebra"), QStringLiteral("Biology"),
                                       QStringLiteral("Chemistry")}));
        QCOMPARE(linesWhileOpen, 0);
        QCOMPARE(m_nameServer->ReceivedLines(), QList<QByteArray>{Packet({"Chemistry"})});
        QCOMPARE(m_boxes->SeenBoxes().size(), 2); // the login and one course dialog, no error box
    }

    void badPort_reportsConversionError_noAck_nextTickGoesOn()
    {
        ScriptedPeer commServer;
        start();
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_nameServer->SendLine(Packet({"2", "127.0.0.1", "50x0"}));
        QTRY_COMPARE(m_boxes->SeenBoxes().size(), 2);
        QCOMPARE(m_boxes->SeenBoxes().at(1).text, QStringLiteral("'50x0' is not a valid integer value"));
        QCOMPARE(exchange(Packet({"0"})), Packet({"2", "Ann", "Lee", "secret"}));
        QCOMPARE(m_nameServer->ReceivedLines().size(), 1);
        QVERIFY(!Application().Terminated());
    }

    void refusal_showsTextThenEnds()
    {
        start();
        bool endedWhileOpen = true;
        QElapsedTimer openFor;
        m_boxes->Then(ModalWatcher::ClickBoxWhen(
            [&] {
                if (!openFor.isValid())
                    openFor.start();
                endedWhileOpen = endedWhileOpen && Application().Terminated();
                return openFor.elapsed() > 700; // a tick or more with the box open
            },
            QMessageBox::Ok));
        m_nameServer->SendLine(Packet({"9", "Invalid password", "ignored"}));
        QTRY_VERIFY(Application().Terminated());
        QVERIFY(!endedWhileOpen);
        QCOMPARE(m_boxes->SeenBoxes().at(1).text, QStringLiteral("Invalid password"));
        QCOMPARE(m_boxes->SeenBoxes().at(1).caption, QStringLiteral("Brivane Version 3.1"));
    }

    void cancelledLogin_endsWithoutConnectingOrMessage()
    {
        makeProgram();
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        m_boxes->Then(ModalWatcher::CancelDialog());
        m_program->Form_Main->show();
        QTRY_VERIFY(Application().Terminated());
        QTest::qWait(100);
        QCOMPARE(m_nameServer->ConnectionCount(), 0);
        QCOMPARE(m_boxes->SeenBoxes().size(), 1);
    }

    void unreachableNameServer_showsMessageAndEnds()
    {
        m_nameServer->StopListening();
        m_boxes->Then(ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QString()));
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        makeProgram();
        m_program->Form_Main->show();
        QTRY_VERIFY(Application().Terminated());
        QCOMPARE(m_boxes->SeenTexts().last(),
                 QStringLiteral(
                     "Error:No Name Server found. Please use Configuration Tool to specify a Name Server!"));
    }

    void configuration_defaults_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("no file") << QByteArray() << QStringLiteral("localhost") << 22;
        QTest::newRow("Port=abc") << QByteArray("[nameserver]\nHOST = 127.0.0.2 \nport=abc\n")
                                  << QStringLiteral("127.0.0.2") << 22;
        QTest::newRow("hex port") << QByteArray("[NameServer]\n; comment\nPort=0x10\n")
                                  << QStringLiteral("localhost") << 16;
    }
    void configuration_defaults()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, host);
        QFETCH(int, port);
        if (!ini.isEmpty())
            QVERIFY(WriteTeacherConfig(m_dir.path(), ini));
        makeProgram();
        m_boxes->Then(ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QString()));
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok)); // in case nothing listens there
        m_program->Form_Main->show();
        QTRY_VERIFY_WITH_TIMEOUT(
            Application().Terminated() || m_program->Form_Main->NameServerConnection().Connected(), 10000);
        QCOMPARE(m_program->Form_Main->NameServerConnection().Host(), host);
        QCOMPARE(m_program->Form_Main->NameServerConnection().Port(), port);
    }

    void nameServerCloses_readErrorReportedOnce()
    {
        start();
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_nameServer->CloseClient();
        QTRY_COMPARE(m_boxes->SeenBoxes().size(), 2);
        QTest::qWait(1200);
        QCOMPARE(m_boxes->SeenBoxes().size(), 2);
        QVERIFY(!Application().Terminated());
    }

    void unreachableCommServer_showsMessageAndEnds()
    {
        start();
        ScriptedPeer closed;
        const quint16 port = closed.Port();
        closed.StopListening();
        QCOMPARE(exchange(Packet({"2", "127.0.0.1", QByteArray::number(port)})), Header);
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_nameServer->SendLine(Packet({"3", "Jane", "Doe"}));
        QTRY_VERIFY(Application().Terminated());
        QCOMPARE(m_boxes->SeenTexts().last(),
                 QStringLiteral("No Communication Server found. Please contact Administrator."));
    }

    void officeOnlyCodes_ignored()
    {
        start();
        m_nameServer->SendLine(Packet({"4", "Quiz", "G:3:3"}));
        QTest::qWait(700);
        QCOMPARE(m_nameServer->ReceivedLines().size(), 0);
    }
};

QTEST_MAIN(TestSignInConsole)
#include "test_signin_console.moc"
