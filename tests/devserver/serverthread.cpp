#include "tests/devserver/serverthread.h"

#include "common/core/error.h"

ServerThread::ServerThread(Quillon::DevServer::DevServerOptions options) : m_options(std::move(options)) {}

ServerThread::~ServerThread()
{
    quit();
    wait();
}

bool ServerThread::Begin()
{
    start();
    m_ready.acquire();
    return m_error.isEmpty();
}

void ServerThread::run()
{
    Quillon::DevServer::Logger log;
    try {
        Quillon::DevServer::DevServer server(m_options, log);
        server.Listen(0, 0);
        m_namePort = server.NamePort();
        m_commPort = server.CommPort();
        m_ready.release();
        exec();
    } catch (const Quillon::Error& error) {
        m_error = error.message();
        m_ready.release();
    }
}
