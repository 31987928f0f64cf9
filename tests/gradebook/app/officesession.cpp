#include "tests/gradebook/app/officesession.h"

#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "tests/support/testconfig.h"

#include <QAction>

const QByteArray OfficeSession::Course("Algebra");

OfficeSession::OfficeSession()
    : m_nameServer(std::make_unique<ScriptedPeer>()), m_boxes(std::make_unique<ModalWatcher>())
{
}

OfficeSession::~OfficeSession()
{
    m_program.reset();
    m_boxes.reset();
    m_nameServer.reset();
}

bool OfficeSession::SignIn()
{
    if (!WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port()) + m_extraConfig))
        return false;
    qputenv("XDG_STATE_HOME", m_stateHome.toLocal8Bit());
    Quillon::TProgramOptions options;
    options.ConfigDir = m_dir.path();
    options.TickMs = TickMs;
    auto spreadsheet = std::make_unique<Quillon::TRecordingSpreadsheetLauncher>();
    m_spreadsheet = spreadsheet.get();
    options.Services.Spreadsheet = std::move(spreadsheet);
    options.Services.Voice = std::make_unique<Quillon::TRecordingVoiceFactory>();
    options.Services.Shell = std::make_unique<Quillon::TRecordingShellOpen>();
    options.Services.Dialogs = std::make_unique<Quillon::TRecordingFileDialogs>();
    options.Services.Mail = std::move(m_mail);
    m_program = std::make_unique<Cortelle::TProgram>(std::move(options));

    m_boxes->Then(ModalWatcher::Login(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("pw")));
    Form().show();
    if (!m_nameServer->WaitForClient())
        return false;
    m_nameServer->SendLine(Packet({"0"}));
    if (!m_nameServer->WaitForLines(1))
        return false;
    m_boxes->Then(ModalWatcher::PickCourse(0));
    m_nameServer->SendLine(Packet({"1", Course}));
    return m_nameServer->WaitForLines(2) && m_nameServer->ReceivedLines().at(1) == Packet({Course});
}

bool OfficeSession::SendTitles(const QByteArray& columnTitles, const QByteArray& groupTitles)
{
    const qsizetype before = LineCount();
    m_nameServer->SendLine(Packet({"4", columnTitles, groupTitles}));
    return m_nameServer->WaitForLines(static_cast<int>(before) + 1) &&
           m_nameServer->ReceivedLines().at(before) == QByteArray("\xC2\xC3\xC4", 3);
}

bool OfficeSession::SendRoster(const QList<QByteArray>& fields)
{
    m_nameServer->SendLine(Packet(QList<QByteArray>{"3"} + fields));
    return Sync();
}

bool OfficeSession::Open(const QByteArray& columnTitles, const QByteArray& groupTitles,
                         const QList<QByteArray>& roster)
{
    return SignIn() && SendTitles(columnTitles, groupTitles) && SendRoster(roster);
}

bool OfficeSession::Sync()
{
    const qsizetype before = LineCount();
    m_nameServer->SendLine(Packet({"0"}));
    return m_nameServer->WaitForLines(static_cast<int>(before) + 1);
}

Cortelle::TStringGrid& OfficeSession::Grid() const
{
    return *Form().findChild<Cortelle::TStringGrid*>(QStringLiteral("sgrdMain"));
}

Cortelle::TStringGridModel& OfficeSession::Cells() const
{
    return *Grid().GridModel();
}

QAction& OfficeSession::Action(const char* name) const
{
    return *Form().findChild<QAction*>(QString::fromLatin1(name));
}

QList<QByteArray> OfficeSession::LinesFrom(qsizetype index, int waitMs)
{
    m_nameServer->WaitForLines(static_cast<int>(index) + 1, waitMs);
    return m_nameServer->ReceivedLines().mid(index);
}
