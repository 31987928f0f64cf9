#include "common/ui/signinwindow.h"

#include "common/core/ansi.h"
#include "common/core/apppath.h"
#include "common/core/configlocation.h"
#include "common/core/error.h"
#include "common/core/inifile.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/wire.h"
#include "common/ui/application.h"
#include "common/ui/centerform.h"
#include "common/ui/errorreport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/loginform.h"
#include "common/ui/messages.h"
#include "common/ui/selectform.h"

#include <QShowEvent>

namespace Quillon {

TSignInWindow::TSignInWindow(const TProgramOptions& options, QWidget* parent)
    : QMainWindow(parent), Timer1(new QTimer(this)), m_configDir(options.ConfigDir), m_tickMs(options.TickMs)
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(m_tickMs);
    ConnectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

TSignInWindow::~TSignInWindow() = default;

QString TSignInWindow::ConfigPath() const
{
    if (m_configDir.isEmpty())
        return TConfigLocations::FromEnvironment().DirectoryOf(ConfigFileName);
    return m_configDir.endsWith(u'/') ? m_configDir : m_configDir + u'/';
}

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
    PostGuarded(this, [this] { FormShow(); });
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
        if (Form_Select->isVisible()) {
            // Only the dialog already open answers, once the teacher has chosen.
            Form_Select->ShowCourses(FCourseList);
            break;
        }
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
