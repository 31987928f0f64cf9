#pragma once

// Web pages on loopback for the browser tests, served by Qt HTTP Server.
#include <QByteArray>
#include <QHttpServer>
#include <QString>
#include <QUrl>

class PageServer
{
public:
    PageServer();
    // Every request is answered with a small HTML page titled after its path.
    QUrl Url(const QString& path) const;
    quint16 Port() const { return m_port; }
    qsizetype RequestCount() const { return m_requests; }

private:
    QHttpServer m_server;
    quint16 m_port = 0;
    qsizetype m_requests = 0;
};
