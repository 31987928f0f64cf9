// Sign-in of the course office on its real windows against a scripted name server.
#include "common/core/apppath.h"
#include "gradebook/app/officeprogram.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingservices.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/testconfig.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Cortelle::TProgram;

namespace {
const QByteArray Header("\xC2\xC3\xC4", 3);
}

class TestSignInOffice : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<TProgram> m_program;

    void start()
    {
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        Quillon::TProgramOptions options;
        options.ConfigDir = m_dir.path();
        options.TickMs = 40;
        options.Services.Spreadsheet = std::make_unique<Quillon::TRecordingSpreadsheetLauncher>();
        m_program = std::make_unique<TProgram>(std::move(options));
        m_boxes->Then(
            ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral(" Lee"), QStringLiteral("pw")));
        m_program->Form_Main->show();
        QVERIFY(m_nameServer->WaitForClient());
    }

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
    }

    // What the program entry starts with: the real services and the configuration beside the program.
    void defaultOptions_realServicesAndConfigBesideTheProgram()
    {
        m_program = std::make_unique<TProgram>();
        const Quillon::TPlatformServices& services = m_program->Options.Services;
        QVERIFY(services.Voice && services.Shell && services.Dialogs && services.Spreadsheet);
        QVERIFY(dynamic_cast<Quillon::TCalcLauncher*>(services.Spreadsheet.get()));
        QCOMPARE(Quillon::AppPath, Quillon::ExecutableDirectory());
        QCOMPARE(m_program->Options.TickMs, 500);
        QCOMPARE(m_program->Form_Main->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 500);
        QCOMPARE(m_program->App.Title(), QStringLiteral("Cortelle"));
    }

    void fullExchange_keepsConnectionOpen()
    {
        start();
        QCOMPARE(m_program->Form_Main->windowTitle(), QStringLiteral("Cortelle Version 3.1"));
        QCOMPARE(exchange(Packet({"0"})), Packet({"3", "Ann", " Lee", "pw"}));
        m_boxes->Then(ModalWatcher::PickCourse(0));
        QCOMPARE(exchange(Packet({"1", " Algebra ", "Biology"})), Packet({"Algebra"}));
        QCOMPARE(exchange(Packet({"4", " Quiz 1;Midterm ", "Tests:3:4"})), Header);
        QCOMPARE(m_program->Form_Main->ColumnTitles(), (QList<QByteArray>{"Quiz 1", "Midterm"}));

        m_nameServer->SendLine(Packet({"3", "s1", "Jane", "Doe", "jane@example.org", "A;B"}));
        QTRY_COMPARE(m_program->Form_Main->Roster().Count(), 1);
        QCOMPARE(m_program->Form_Main->Roster().Items(0)->FEmail, QByteArray("jane@example.org"));
        QTest::qWait(600);
        QCOMPARE(m_nameServer->ReceivedLines().size(), 3); // no answer to the roster
        QVERIFY(m_program->Form_Main->NameServerConnection().Connected());
        QVERIFY(m_program->Form_Main->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void secondCourseList_replacesFirst()
    {
        start();
        m_boxes->Then(ModalWatcher::PickCourse(0));
        QCOMPARE(exchange(Packet({"1", "Algebra", "Biology"})), Packet({"Algebra"}));
        QStringList offered;
        m_boxes->Then([&offered](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox_Course"));
            for (int i = 0; i < combo->count(); ++i)
                offered << combo->itemText(i);
            ModalWatcher::PickCourse(0)(dialog);
        });
        QCOMPARE(exchange(Packet({"1", "Chemistry"})), Packet({"Chemistry"}));
        QCOMPARE(offered, QStringList{QStringLiteral("Chemistry")});
    }

    void consoleOnlyCode_ignored_andReadErrorSilent()
    {
        start();
        m_nameServer->SendLine(Packet({"2", "127.0.0.1", "5000"}));
        QTest::qWait(700);
        QCOMPARE(m_nameServer->ReceivedLines().size(), 0);
        m_nameServer->CloseClient();
        QTest::qWait(1200);
        QCOMPARE(m_boxes->SeenBoxes().size(), 1); // the login only
        QVERIFY(!m_program->Form_Main->NameServerConnection().Connected());
        QVERIFY(!m_program->App.Terminated());
    }

    void refusal_endsAfterBox()
    {
        start();
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        m_nameServer->SendLine(Packet({"9", "Unknown teacher"}));
        QTRY_VERIFY(m_program->App.Terminated());
        QCOMPARE(m_boxes->SeenTexts().last(), QStringLiteral("Unknown teacher"));
        QCOMPARE(m_boxes->SeenBoxes().last().caption, QStringLiteral("Cortelle Version 3.1"));
    }
};

QTEST_MAIN(TestSignInOffice)
#include "test_signin_office.moc"
