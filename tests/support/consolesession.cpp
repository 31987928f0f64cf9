#include "tests/support/consolesession.h"

#include "tests/support/consolesignin.h"
#include "tests/support/testconfig.h"

#include <QTest>
#include <QTimer>

ConsoleSession::ConsoleSession() = default;

ConsoleSession::~ConsoleSession()
{
    m_program.reset();
}

void ConsoleSession::Create(Quillon::TPlatformServices services)
{
    QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer.Port()) + m_extraConfig));
    qputenv("XDG_STATE_HOME", m_stateHome.toLocal8Bit());
    if (!services.Voice) {
        auto voices = std::make_unique<Quillon::TRecordingVoiceFactory>();
        m_voices = voices.get();
        services.Voice = std::move(voices);
    }
    if (!services.Dialogs) {
        auto dialogs = std::make_unique<Quillon::TRecordingFileDialogs>();
        m_dialogs = dialogs.get();
        services.Dialogs = std::move(dialogs);
    }
    if (!services.Shell) {
        auto shell = std::make_unique<Quillon::TRecordingShellOpen>();
        m_shell = shell.get();
        services.Shell = std::move(shell);
    }
    if (!services.WebView) {
        auto webViews = std::make_unique<Quillon::TRecordingWebViewFactory>();
        m_webViews = webViews.get();
        services.WebView = std::move(webViews);
    }
    if (!services.Spreadsheet)
        services.Spreadsheet = std::make_unique<Quillon::TRecordingSpreadsheetLauncher>();
    Quillon::TProgramOptions options;
    options.ConfigDir = m_dir.path();
    options.TickMs = TickMs;
    options.Services = std::move(services);
    m_program = std::make_unique<Brivane::TProgram>(std::move(options));
}

void ConsoleSession::JoinClass(const Join& join)
{
    if (!m_program)
        Create();
    m_boxes.Then(ModalWatcher::Login(join.first, join.last, QStringLiteral("pw")));
    Form().show();
    ScriptConsoleSignIn(m_nameServer, m_commServer, m_boxes, join.courses, join.pickCourse, join.roster);
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(Timer2()->isActive());
    m_boxesAtJoin = m_boxes.SeenBoxes().size();
}

QTimer* ConsoleSession::Timer2() const
{
    return Control<QTimer>(QStringLiteral("Timer2"));
}

QStringList ConsoleSession::BoxesSinceJoin() const
{
    return m_boxes.SeenTexts().mid(m_boxesAtJoin);
}

void ConsoleSession::SendMarkerAndWait()
{
    const QByteArray marker = "Marker" + QByteArray::number(++m_markers);
    m_commServer.SendLine(Packet({"Mark", marker, "5"}));
    QTRY_COMPARE_WITH_TIMEOUT(Form().PanelText(2),
                              QStringLiteral("Last msg by: Mark ") + QString::fromLatin1(marker), 10000);
}

void ConsoleSession::Deliver(const QList<QByteArray>& fields)
{
    m_commServer.SendLine(Packet(fields));
    SendMarkerAndWait();
}
