#include "console/app/consolemainform.h"

#include "common/core/ansi.h"
#include "common/core/apppath.h"
#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/readabletext.h"
#include "common/ui/application.h"
#include "common/ui/errorreport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "console/browser/webbrowserpage.h"
#include "console/chat/chatpage.h"
#include "console/chat/leftovertranscripts.h"
#include "console/classroom/classroompage.h"
#include "console/link/classlink.h"
#include "console/minutes/meetinginfopage.h"
#include "console/permission/pushpermissionpage.h"
#include "console/protocol/commserverprotocol.h"
#include "console/push/coursemainpage.h"
#include "console/push/pushpage.h"
#include "console/whiteboard/whiteboardpage.h"
#include "ui_consolemainform.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace Brivane {

using namespace Quillon;
using namespace Qt::StringLiterals;

namespace {
constexpr qsizetype PanelNameChars = 100;
}

TForm_Main::TForm_Main(const TProgramOptions& options, QWidget* parent)
    : TSignInWindow(options, parent), m_options(options), ui(std::make_unique<Ui::TForm_Main>())
{
    ui->setupUi(this);
    setFixedSize(792, 560);

    const int widths[] = {50, 300, 200, 50};
    for (int width : widths) {
        auto* panel = new QLabel(ui->StatusBar);
        panel->setFixedWidth(width);
        panel->setTextFormat(Qt::PlainText);
        ui->StatusBar->addWidget(panel);
        m_panels << panel;
    }
    m_panels[0]->setText(u"Status:"_s);

    FLink = new TClassLink(TickMs(), this);
    ConnectGuarded(FLink->Timer2(), &QTimer::timeout, this, [this] { FLink->Timer2Timer(); });
    FLink->SetSenderShown(
        [this](const QByteArray& first, const QByteArray& last) { ShowLastSender(first, last); });
    FLink->SetConnectionLost([this] { LostConnection(); });
    FLink->SetHandlerFailed([this](const std::exception& error) { ReportError(this, error); });
    FLink->Register(CommServer::icIdentify, [this](const CommServer::TSender&, QByteArray&) { Identify(); });
    FLink->Register(CommServer::icNotice,
                    [this](const CommServer::TSender&, QByteArray& rest) { ShowServerNotice(rest); });
    FLink->Register(CommServer::icVerdict,
                    [this](const CommServer::TSender&, QByteArray& rest) { ShowServerVerdict(rest); });

    FBrowser = new TWebBrowserPage(*options.Services.WebView, ui->ts_WebBrowser);

    // The course addresses across the top of the chat room; below them the chat on the left half
    // and the whiteboard on the right.
    FPush = new TPushPage(
        *this, *options.Services.Shell, [this](const QString& address) { FBrowser->ShowAddress(address); },
        ui->ts_ChatingRoom);
    FPush->setGeometry(4, 4, 780, 100);
    FLink->Register(CommServer::icPush, [this](const CommServer::TSender& sender, QByteArray& rest) {
        FPush->OpenPushedContent(sender, rest);
    });
    FChat = new TChatPage(*this, *options.Services.Voice, *options.Services.Dialogs, ui->ts_ChatingRoom);
    FChat->setGeometry(4, 108, 384, 400);
    addAction(FChat->SendAction()); // Ctrl+S works wherever the focus is, on every page
    FWhiteBoard = new TWhiteBoardPage(*this, ui->ts_ChatingRoom);
    FWhiteBoard->setGeometry(392, 108, 392, 400);

    FClassroom = new TClassroomPage(*this, ui->ts_Classroom);

    FPushPermission = new TPushPermissionPage(*this, ui->ts_WhiteBoard);
    FMeetingInfo = new TMeetingInfoPage(*this, ui->ts_MeetingInfo);
    for (QWidget* page : {static_cast<QWidget*>(FBrowser), static_cast<QWidget*>(FPushPermission),
                          static_cast<QWidget*>(FMeetingInfo)}) {
        auto* layout = new QVBoxLayout(page->parentWidget());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page);
    }
    ConnectGuarded(ui->PageControl_Main, &QTabWidget::currentChanged, this,
                   [this](int index) { PageControl_MainChange(index); });

    FormCreate();
}

TForm_Main::~TForm_Main()
{
    // The pages go first: nothing of theirs may run on the freed lists below. The classroom's
    // controls, which call into it, go before the classroom itself.
    delete FChat;
    delete FWhiteBoard;
    delete FPush;
    delete FPushPermission;
    delete FMeetingInfo;
    qDeleteAll(ui->ts_Classroom->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete FClassroom;
    FormDestroy();
}

void TForm_Main::FormCreate()
{
    FRoster = std::make_unique<TStudentList>();
    AppPath = ConfigPath();
    FCourseList.clear();
    FChat->ColorBoxChange();
    FPush->Edit_Main()->setText(ReadCourseMainPage(AppPath + ConfigFileName));
    FTeacher = std::make_unique<TStudent>();
    FClassroom->SetPictureSize(1280, 1024);
}

void TForm_Main::FormDestroy()
{
    FRoster.reset();
    FCourseList.clear();
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

const QImage& TForm_Main::ClassroomPicture() const
{
    return FClassroom->Picture();
}

int TForm_Main::ClassroomDrawCount() const
{
    return FClassroom->DrawCount();
}

// --- sign-in

void TForm_Main::BeforeLogin()
{
    FMeetingInfo->ShowToday();
    OfferLeftoverTranscripts(this, *m_options.Services.Dialogs);
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
        FChat->KeepTranscript();
        break;
    default:
        break;
    }
}

void TForm_Main::PrepareClassroom()
{
    DrawClassroom();
    BlankBoard();
    FBrowser->URLs()->setEditText(FPush->Edit_Main()->text());
    NavigateToAddress();
    FTeacher->FFirstName = FLoginFirstName;
    FTeacher->FLastName = FLoginLastName;
}

void TForm_Main::ConnectCommServer()
{
    try {
        FLink->Connect(Ansi::ToDisplay(FCommHost), FCommPort);
    } catch (const ConnectionError&) {
        ShowNotice(this, u"No Communication Server found. Please contact Administrator."_s);
        Application().Terminate();
    }
}

// --- the loop's own codes

void TForm_Main::ShowLastSender(const QByteArray& first, const QByteArray& last)
{
    // The panel is a fixed 200 pixels: a name longer than a line would only cost layout time.
    SetPanelText(2, u"Last msg by: "_s + Readable(Ansi::ToDisplay(first), PanelNameChars, 1) + u' ' +
                        Readable(Ansi::ToDisplay(last), PanelNameChars, 1));
}

void TForm_Main::Identify()
{
    FLink->Send(CommServer::IdentificationLine(FLoginFirstName, FLoginLastName, FCourse));
}

void TForm_Main::ShowServerNotice(QByteArray& rest)
{
    ShowNotice(this, Ansi::ToDisplay(CommServer::ReadNotice(rest)));
}

void TForm_Main::ShowServerVerdict(QByteArray& rest)
{
    const QByteArray verdict = CommServer::ReadVerdict(rest);
    ShowNotice(this, Ansi::ToDisplay(verdict));
    if (CommServer::IsAuthenticationFailure(verdict))
        Application().Terminate();
}

void TForm_Main::LostConnection()
{
    ShowPlainBox(this, u"System Error"_s,
                 u"Lost Network Connection! Please check your network and restart the tool."_s);
    Application().Terminate();
}

// --- forwards to the features

void TForm_Main::DrawClassroom()
{
    FClassroom->DrawClassroom();
}

void TForm_Main::MarkOnline(const QByteArray& first, const QByteArray& last)
{
    FClassroom->MarkOnline(first, last);
}

void TForm_Main::BlankBoard()
{
    FWhiteBoard->BlankBoard();
}

void TForm_Main::NavigateToAddress()
{
    FBrowser->NavigateToAddress();
}

void TForm_Main::RemoveFromPushList(const TStudent& student)
{
    FPushPermission->RemoveFromPushList(student);
}

void TForm_Main::PageControl_MainChange(int index)
{
    if (index == 3)
        FPushPermission->Action_RefreshlistExecute();
}

// --- closing

void TForm_Main::FormCloseQuery(bool& CanClose)
{
    FChat->FormCloseQuery(CanClose);
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    bool CanClose = true;
    if (!Application().Terminated())
        FormCloseQuery(CanClose);
    if (CanClose)
        TSignInWindow::closeEvent(event);
    else
        event->ignore();
}

} // namespace Brivane
