#include "signinwindow.h"

#include "ansi.h"
#include "application.h"
#include "apppath.h"
#include "centerform.h"
#include "error.h"
#include "errorreport.h"
#include "inifile.h"
#include "loginform.h"
#include "messages.h"
#include "nameserverprotocol.h"
#include "selectform.h"
#include "wire.h"

#include <QShowEvent>

namespace Quillon {

TSignInWindow::TSignInWindow(QWidget* parent) : QMainWindow(parent), Timer1(new QTimer(this))
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { Guarded(this, [this] { Timer1Timer(); }); });
    Timer1->start();
}

TSignInWindow::~TSignInWindow() = default;

void TSignInWindow::SetDialogs(TForm_Login* login, TForm_Select* select)
{
    Form_Login = login;
    Form_Select = select;
}

void TSignInWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce || event->spontaneous())
        return;
    m_shownOnce = true;
    // Runs once the window is on screen, so the login dialog opens over a visible window.
    QTimer::singleShot(0, this, [this] { Guarded(this, [this] { FormShow(); }); });
}

void TSignInWindow::FormShow()
{
    CenterForm(this);
    SetVersionTitle();
    BeforeLogin();
    if (!Form_Login->Execute(FLoginFirstName, FLoginLastName, FLoginPassword)) {
        Application().Terminate();
        return;
    }
    ConnectNameServer();
}

void TSignInWindow::SetVersionTitle()
{
    Application().SetTitle(Application().Title() + QStringLiteral(" Version 3.1"));
    setWindowTitle(Application().Title());
    Form_Login->setWindowTitle(Application().Title());
}

void TSignInWindow::ConnectNameServer()
{
    {
        const TIniFile ini(AppPath + ConfigFileName);
        TCPClient_NameServer.SetHost(
            Ansi::ToDisplay(ini.ReadString("NameServer", "Host", DefaultNameServerHost)));
        TCPClient_NameServer.SetPort(ini.ReadInteger("NameServer", "Port", DefaultNameServerPort));
    }
    try {
        TCPClient_NameServer.Connect();
    } catch (const ConnectionError&) {
        ShowNotice(
            this, QStringLiteral(
                      "Error:No Name Server found. Please use Configuration Tool to specify a Name Server!"));
        Application().Terminate();
    }
}

void TSignInWindow::Timer1Timer()
{
    // A timer does not fire again while its own handler runs; restarting it lets the next ticks
    // run inside a box or dialog this tick opens, so later lines are not held back.
    if (Timer1->isActive())
        Timer1->start();
    if (!TCPClient_NameServer.Connected())
        return;
    QByteArray line;
    if (IgnoresNameServerReadErrors()) {
        try {
            line = TCPClient_NameServer.ReadLn(5);
        } catch (const ConnectionError&) {
            return;
        }
    } else {
        line = TCPClient_NameServer.ReadLn(5);
    }
    if (line.isEmpty())
        return;
    const std::optional<int> code = NameServer::ReadCode(line);
    if (!code)
        return;

    switch (*code) {
    case NameServer::CredentialsRequest:
        TCPClient_NameServer.WriteLn(
            NameServer::CredentialsLine(CredentialsCode(), FLoginFirstName, FLoginLastName, FLoginPassword));
        break;
    case NameServer::CourseList:
        if (!AppendsCourseList())
            FCourseList.clear();
        NameServer::ReadCourseList(line, FCourseList);
        Form_Select->Execute(FCourseList, FCourse);
        TCPClient_NameServer.WriteLn(NameServer::CourseChoiceLine(FCourse));
        break;
    case NameServer::Refusal:
        ShowNotice(this, Ansi::ToDisplay(NextField(line, FieldSeparator)));
        Application().Terminate();
        break;
    default:
        HandleNameServerMessage(*code, line);
        break;
    }
}

} // namespace Quillon
