#pragma once

#include "devserver/coursesite.h"
#include "devserver/servercontext.h"

#include <QObject>
#include <QString>
#include <QTcpServer>

#include <memory>

namespace Quillon::DevServer {

struct DevServerOptions
{
    QString dataDirectory;  // holds class.ini
    QString stateDirectory; // where uploaded grades are kept
    quint16 namePort = 0;   // 0: any free port
    quint16 commPort = 0;
    quint16 webPort = 0;
    int students = -1; // negative: the sample rosters as they are
    SimulationSettings simulation;
};

// The name server and the communication server on loopback, in one event-driven process.
class DevServer : public QObject
{
    Q_OBJECT

public:
    static inline const QByteArray Host = "127.0.0.1";

    // Reads the class; throws Quillon::Error when it cannot.
    DevServer(const DevServerOptions& options, Logger& log, QObject* parent = nullptr);
    ~DevServer() override;

    // Opens both servers' ports and the course site's; throws Quillon::Error when one cannot be
    // opened. Course material naming {site} then points at the course site.
    void Listen(quint16 namePort, quint16 commPort, quint16 webPort = 0);
    quint16 NamePort() const { return m_nameServer.serverPort(); }
    quint16 CommPort() const { return m_commServer.serverPort(); }
    quint16 WebPort() const { return m_site.Port(); }
    const ClassData& Data() const { return m_context->data; }

private:
    void AcceptNameServerClients();
    void AcceptCommServerClients();

    std::unique_ptr<ServerContext> m_context;
    QTcpServer m_nameServer;
    QTcpServer m_commServer;
    CourseSite m_site;
    int m_connections = 0;
};

} // namespace Quillon::DevServer
