#include "console/link/classlink.h"

#include <QScopeGuard>

#include <exception>

namespace Brivane {

TClassLink::TClassLink(int tickMs, QObject* parent) : QObject(parent), m_timer2(new QTimer(this))
{
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(tickMs);
}

void TClassLink::Register(int code, THandler handler)
{
    m_handlers.insert(code, std::move(handler));
}

void TClassLink::SetSenderShown(std::function<void(const QByteArray&, const QByteArray&)> shown)
{
    m_senderShown = std::move(shown);
}

void TClassLink::SetConnectionLost(std::function<void()> lost)
{
    m_connectionLost = std::move(lost);
}

void TClassLink::SetHandlerFailed(std::function<void(const std::exception&)> failed)
{
    m_handlerFailed = std::move(failed);
}

void TClassLink::Connect(const QString& host, int port)
{
    TCPClient_QuillonServer.SetHost(host);
    TCPClient_QuillonServer.SetPort(port);
    TCPClient_QuillonServer.Connect();
    m_timer2->start();
}

void TClassLink::Send(QByteArrayView line)
{
    TCPClient_QuillonServer.WriteLn(line);
}

void TClassLink::Timer2Timer()
{
    // A timer does not fire again while its own handler runs, and a box opened below runs its
    // event loop inside this handler. Restarting the timer here lets the next ticks run inside
    // such a box, so a notice or an error report left open does not hold later lines back.
    m_timer2->start();
    if (m_openTicks >= MaxOpenTicks)
        return;

    QByteArray line;
    try {
        line = TCPClient_QuillonServer.ReadLn(5);
    } catch (const std::exception&) {
        m_timer2->stop();
        if (m_connectionLost)
            m_connectionLost();
        return;
    }
    if (line.isEmpty())
        return;
    ++m_openTicks;
    const auto leave = qScopeGuard([this] { --m_openTicks; });
    if (!m_handlerFailed) {
        HandleLine(std::move(line));
        return;
    }
    try {
        HandleLine(std::move(line));
    } catch (const std::exception& error) {
        m_handlerFailed(error);
    }
}

void TClassLink::HandleLine(QByteArray line)
{
    if (!CommServer::ReadHeader(line))
        return;
    const CommServer::TSender sender = CommServer::ReadSender(line);
    if (m_senderShown)
        m_senderShown(sender.first, sender.last);
    const std::optional<int> code = CommServer::ReadCode(line);
    if (!code)
        return;
    const auto handler = m_handlers.constFind(*code);
    if (handler != m_handlers.constEnd())
        (*handler)(sender, line);
}

} // namespace Brivane
