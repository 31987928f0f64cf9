#include "mainform.h"

#include "ansi.h"
#include "application.h"
#include "apppath.h"
#include "error.h"
#include "errorreport.h"
#include "messages.h"
#include "nameserverprotocol.h"
#include "ui_mainform.h"

#include <QLabel>
#include <QStatusBar>

namespace Brivane {

using namespace Quillon;

TForm_Main::TForm_Main(QWidget* parent) : TSignInWindow(parent), ui(std::make_unique<Ui::TForm_Main>())
{
    ui->setupUi(this);
    setFixedSize(792, 560);

    const int widths[] = {50, 300, 200, 50};
    for (int width : widths) {
        auto* panel = new QLabel(ui->StatusBar);
        panel->setFixedWidth(width);
        ui->StatusBar->addWidget(panel);
        m_panels << panel;
    }
    m_panels[0]->setText(QStringLiteral("Status:"));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
    connect(Timer2, &QTimer::timeout, this, [this] { Guarded(this, [this] { Timer2Timer(); }); });

    SetupChatPage();
    SetupClassroomPage();
    FormCreate();
}

TForm_Main::~TForm_Main()
{
    FormDestroy();
}

void TForm_Main::FormCreate()
{
    FRoster = std::make_unique<TStudentList>();
    AppPath = ExecutableDirectory();
    FSentActions = std::make_unique<TDrawActionList>();
    FPendingActions = std::make_unique<TDrawActionList>();
    FCourseList.clear();
    ColorBoxChange();
    FTeacher = std::make_unique<TStudent>();
    FClassroomPicture.SetSize(1280, 1024);
    imgClassroom->resize(FClassroomPicture.Picture().size());
}

void TForm_Main::FormDestroy()
{
    FRoster.reset();
    FSentActions.reset();
    FPendingActions.reset();
    FCourseList.clear();
    FVoice.reset();
    FTeacher.reset();
}

QString TForm_Main::PanelText(int index) const
{
    return m_panels.at(index)->text();
}

void TForm_Main::SetPanelText(int index, const QString& text)
{
    m_panels.at(index)->setText(text);
}

const QByteArray& TForm_Main::CredentialsCode() const
{
    return NameServer::ConsoleCredentialsCode;
}

void TForm_Main::HandleNameServerMessage(int code, QByteArray& rest)
{
    switch (code) {
    case NameServer::CommServer: {
        const NameServer::CommServerAddress address = NameServer::ReadCommServer(rest);
        FCommHost = address.host;
        FCommPort = address.port;
        PrepareClassroom();
        TCPClient_NameServer.WriteLn(NameServer::AcknowledgementLine());
        break;
    }
    case NameServer::Roster:
        NameServer::ReadConsoleRoster(rest, *FRoster);
        DrawClassroom();
        TCPClient_NameServer.Disconnect();
        Timer1->stop();
        ConnectCommServer();
        break;
    default:
        break;
    }
}

void TForm_Main::PrepareClassroom()
{
    DrawClassroom();
    BlankBoard();
    NavigateToAddress();
    FTeacher->FFirstName = FLoginFirstName;
    FTeacher->FLastName = FLoginLastName;
}

void TForm_Main::ConnectCommServer()
{
    TCPClient_QuillonServer.SetHost(Ansi::ToDisplay(FCommHost));
    TCPClient_QuillonServer.SetPort(FCommPort);
    try {
        TCPClient_QuillonServer.Connect();
    } catch (const ConnectionError&) {
        ShowNotice(this, QStringLiteral("No Communication Server found. Please contact Administrator."));
        Application().Terminate();
        return;
    }
    Timer2->start();
}

} // namespace Brivane
