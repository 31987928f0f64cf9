// The communication loop: one line of the communication server per tick, checked, its sender
// shown, and handed on by its code.
#include "mainform.h"

#include "ansi.h"
#include "application.h"
#include "commserverprotocol.h"
#include "messages.h"

#include <exception>

namespace Brivane {

using namespace Quillon;

void TForm_Main::Timer2Timer()
{
    // A timer does not fire again while its own handler runs, and a box opened below runs its
    // event loop inside this handler. Restarting the timer here lets the next ticks run inside
    // such a box, so a notice or an error report left open does not hold later lines back.
    Timer2->start();

    QByteArray line;
    try {
        line = TCPClient_QuillonServer.ReadLn(5);
    } catch (const std::exception&) {
        Timer2->stop();
        ShowPlainBox(
            this, QStringLiteral("System Error"),
            QStringLiteral("Lost Network Connection! Please check your network and restart the tool."));
        Application().Terminate();
        return;
    }
    if (line.isEmpty())
        return;
    if (!CommServer::ReadHeader(line))
        return;
    const CommServer::TSender sender = CommServer::ReadSender(line);
    ShowLastSender(sender.first, sender.last);
    const std::optional<int> code = CommServer::ReadCode(line);
    if (!code)
        return;

    QByteArray& rest = line;
    switch (*code) {
    case CommServer::icIdentify:
        SendToClass(CommServer::IdentificationLine(FLoginFirstName, FLoginLastName, FCourse));
        break;
    case CommServer::icPush:
        OpenPushedContent(sender.first, sender.last, rest);
        break;
    case CommServer::icPublicChat:
    case CommServer::icPrivateChat:
        ShowChatMessage(*code, sender.first, sender.last, rest);
        break;
    case CommServer::icAddressedChat:
        ShowPrivateMessage(sender.first, sender.last, rest);
        break;
    case CommServer::icStudentStatus:
        HandleStudentStatus(sender.first, sender.last, rest);
        break;
    case CommServer::icTeacherStatus:
        HandleTeacherStatus(rest);
        break;
    case CommServer::icClassStatus:
        HandleClassStatus(rest);
        break;
    case CommServer::icNotice:
        ShowNotice(this, Ansi::ToDisplay(CommServer::ReadNotice(rest)));
        break;
    case CommServer::icVerdict: {
        const QByteArray verdict = CommServer::ReadVerdict(rest);
        ShowNotice(this, Ansi::ToDisplay(verdict));
        if (CommServer::IsAuthenticationFailure(verdict))
            Application().Terminate();
        break;
    }
    default:
        break;
    }
}

void TForm_Main::ShowLastSender(const QByteArray& first, const QByteArray& last)
{
    SetPanelText(2, QStringLiteral("Last msg by: ") + Ansi::ToDisplay(first) + QLatin1Char(' ') +
                        Ansi::ToDisplay(last));
}

void TForm_Main::SendToClass(const QByteArray& line)
{
    TCPClient_QuillonServer.WriteLn(line);
}

} // namespace Brivane
