#pragma once

#include "devserver/classdata.h"

#include <QByteArray>
#include <QList>
#include <QObject>

namespace Quillon::DevServer {

class LinePeer;
struct ServerContext;

// The name server's side of one sign-in, console or course office. It sends each message
// only after the client has answered the one before: credentials request, course list, then
// the communication server's address (console) or the grade-book titles (office), then the
// roster. The office's connection then carries grade uploads.
class NameServerSession : public QObject
{
    Q_OBJECT

public:
    // The peer becomes a child of the session; the session frees itself when it closes.
    NameServerSession(LinePeer* peer, ServerContext& context, QObject* parent = nullptr);

    // Sends the credentials request.
    void Start();

private:
    enum class Step { Credentials, Course, ConsoleAcknowledgement, OfficeAcknowledgement, Done, Uploads };
    enum class Client { Console, Office };

    void OnLine(const QByteArray& line);
    void OnCredentials(QByteArray rest);
    void OnCourse(QByteArray rest);
    void OnAcknowledgement(const QByteArray& line);
    void OnUpload(QByteArray rest);
    void Refuse(const QByteArray& text);
    void Send(const QList<QByteArray>& payload);
    QByteArray RosterLine() const;

    LinePeer* m_peer;
    ServerContext& m_context;
    Step m_step = Step::Credentials;
    Client m_client = Client::Console;
    QByteArray m_first; // as the client typed them
    QByteArray m_last;
    const Teacher* m_teacher = nullptr;
    const Course* m_course = nullptr;
    QList<SampleStudent> m_roster;
};

} // namespace Quillon::DevServer
