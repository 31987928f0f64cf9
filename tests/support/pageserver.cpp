#include "tests/support/pageserver.h"

#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponse>

PageServer::PageServer()
{
    m_server.route(QStringLiteral("/<arg>"), [this](const QUrl& path) {
        ++m_requests;
        const QByteArray title = path.path().toHtmlEscaped().toUtf8();
        return QHttpServerResponse(QByteArrayLiteral("text/html"), "<!DOCTYPE html><html><head><title>" +
                                                                       title + "</title></head><body><h1>" +
                                                                       title + "</h1></body></html>");
    });
    m_port = m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl PageServer::Url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/%2").arg(m_port).arg(path));
}
