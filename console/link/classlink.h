#pragma once

#include "common/core/lineconnection.h"
#include "console/protocol/commserverprotocol.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <exception>
#include <functional>

namespace Brivane {

// The console's connection to the communication server and its loop (Timer2): at most one line
// per tick, its header checked, its sender shown, and the rest of the line after the code handed
// to the handler registered for that code. Lines of codes nobody registered are dropped. Sending
// goes through here too. Widget-free: the window wires Timer2 to Timer2Timer through the general
// error report, and shows what the callbacks tell it.
class TClassLink : public QObject
{
    Q_OBJECT

public:
    // The handler gets the sender and the rest of the line after the code field.
    using THandler = std::function<void(const CommServer::TSender& sender, QByteArray& rest)>;

    explicit TClassLink(int tickMs, QObject* parent = nullptr);

    // One handler per code; a later registration replaces an earlier one.
    void Register(int code, THandler handler);
    // Told the sender of every line that passed the header check.
    void SetSenderShown(std::function<void(const QByteArray& first, const QByteArray& last)> shown);
    // Told once when reading fails; Timer2 has been stopped by then.
    void SetConnectionLost(std::function<void()> lost);
    // Told what a handler threw, while its tick still counts as open (the report's box is one of
    // the boxes below MaxOpenTicks). Without it the error leaves Timer2Timer.
    void SetHandlerFailed(std::function<void(const std::exception& error)> failed);

    // Ticks whose line opened a box that is still open. At this many the ticks read no further
    // line: the lines wait in the connection until a box is closed. Each open box holds a nested
    // event loop on the stack and asks the teacher for one more click, so a server sending a bad
    // line per tick would otherwise pile boxes up until the stack runs out; a handful still lets
    // a notice, an error report and the lines behind them show while one is left open.
    static constexpr int MaxOpenTicks = 5;
    int OpenTicks() const { return m_openTicks; }

    // Blocks until connected (TLineConnection::ConnectTimeoutMs at most); throws ConnectionError.
    // Timer2 runs from then on.
    void Connect(const QString& host, int port);
    // Writes one line (CR LF appended); throws ConnectionError when it cannot.
    void Send(QByteArrayView line);

    // One step of the loop: reads a line, waiting at most 5 ms, and handles it.
    void Timer2Timer();
    // Handles one received line, without its line end.
    void HandleLine(QByteArray line);

    QTimer* Timer2() const { return m_timer2; }
    const Quillon::TLineConnection& Connection() const { return TCPClient_QuillonServer; }

private:
    Quillon::TLineConnection TCPClient_QuillonServer;
    QTimer* m_timer2;
    QHash<int, THandler> m_handlers;
    std::function<void(const QByteArray&, const QByteArray&)> m_senderShown;
    std::function<void()> m_connectionLost;
    std::function<void(const std::exception&)> m_handlerFailed;
    int m_openTicks = 0; // ticks inside HandleLine (or its error report), nested in boxes
};

} // namespace Brivane
