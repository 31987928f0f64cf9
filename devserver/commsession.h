#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

namespace Quillon::DevServer {

class ClassSimulation;
class LinePeer;
struct ServerContext;

// The communication server's side of one console: it asks the console to identify, admits it
// only as a teacher who signed in to that course at the name server, and then runs its class.
class CommSession : public QObject
{
    Q_OBJECT

public:
    static inline const QByteArray AuthenticationFailed = "Authentication Failed!";

    // The peer becomes a child of the session; the session frees itself when it closes.
    CommSession(LinePeer* peer, ServerContext& context, QObject* parent = nullptr);
    ~CommSession() override;

    // Sends the request to identify.
    void Start();

private:
    void OnLine(const QByteArray& line);
    void OnIdentification(int code, QByteArray rest);
    void Send(const QByteArray& first, const QByteArray& last, const QList<QByteArray>& codeAndFields);

    LinePeer* m_peer;
    ServerContext& m_context;
    std::unique_ptr<ClassSimulation> m_class; // set once the console has identified
};

} // namespace Quillon::DevServer
