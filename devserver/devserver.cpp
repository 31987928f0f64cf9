#include "devserver/devserver.h"

#include "common/core/error.h"
#include "devserver/commsession.h"
#include "devserver/linepeer.h"
#include "devserver/nameserversession.h"

#include <QDir>
#include <QTcpSocket>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

DevServer::DevServer(const DevServerOptions& options, Logger& log, QObject* parent)
    : QObject(parent),
      m_context(std::make_unique<ServerContext>(ServerContext{
          LoadClassData(QDir(options.dataDirectory).filePath(QString::fromUtf16(ClassFileName))),
          options.students, GradeStore(options.stateDirectory), SignInRegistry(), log, Host, 0,
          options.simulation})),
      m_site(options.dataDirectory)
{
    connect(&m_nameServer, &QTcpServer::newConnection, this, &DevServer::AcceptNameServerClients);
    connect(&m_commServer, &QTcpServer::newConnection, this, &DevServer::AcceptCommServerClients);
}

DevServer::~DevServer()
{
    // Sessions refer to the context: end them before it goes.
    m_nameServer.close();
    m_commServer.close();
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

void DevServer::Listen(quint16 namePort, quint16 commPort, quint16 webPort)
{
    m_site.Listen(webPort);
    const QByteArray site = m_site.Address().toLatin1();
    for (Course& course : m_context->data.courses) {
        for (QByteArray& address : course.material)
            address.replace("{site}", site);
    }
    if (!m_commServer.listen(QHostAddress::LocalHost, commPort))
        throw Error(u"Cannot open the communication server on port %1: %2"_s.arg(commPort).arg(
            m_commServer.errorString()));
    if (!m_nameServer.listen(QHostAddress::LocalHost, namePort))
        throw Error(
            u"Cannot open the name server on port %1: %2"_s.arg(namePort).arg(m_nameServer.errorString()));
    m_context->commPort = m_commServer.serverPort();
    m_context->log.Info(
        u"server"_s,
        u"name server on %1:%2, communication server on %1:%3, course site on %1:%4, grades kept in %5"_s
            .arg(QString::fromLatin1(Host))
            .arg(NamePort())
            .arg(CommPort())
            .arg(WebPort())
            .arg(m_context->store.Directory()));
}

void DevServer::AcceptNameServerClients()
{
    while (QTcpSocket* socket = m_nameServer.nextPendingConnection()) {
        const QString name = u"name#%1"_s.arg(++m_connections);
        m_context->log.Info(name, u"connected from port %1"_s.arg(socket->peerPort()));
        auto* session = new NameServerSession(new LinePeer(socket, name, m_context->log), *m_context, this);
        session->Start();
    }
}

void DevServer::AcceptCommServerClients()
{
    while (QTcpSocket* socket = m_commServer.nextPendingConnection()) {
        const QString name = u"comm#%1"_s.arg(++m_connections);
        m_context->log.Info(name, u"connected from port %1"_s.arg(socket->peerPort()));
        auto* session = new CommSession(new LinePeer(socket, name, m_context->log), *m_context, this);
        session->Start();
    }
}

} // namespace Quillon::DevServer
