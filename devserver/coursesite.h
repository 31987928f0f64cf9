#pragma once

#include <QDir>
#include <QHttpServer>
#include <QString>

namespace Quillon::DevServer {

// The sample course site on loopback: the files under the data directory's site/ folder, served
// by Qt HTTP Server. "/" is site/index.html; nothing outside the folder is ever served.
class CourseSite
{
public:
    static inline const QString SiteFolder = QStringLiteral("site");

    explicit CourseSite(const QString& dataDirectory);

    // Opens the port (0: a free one); throws Quillon::Error when it cannot.
    void Listen(quint16 port);
    quint16 Port() const { return m_port; }
    // "http://127.0.0.1:PORT", once listening.
    QString Address() const;

    // The file a request path names inside `root`, or empty when it names none there.
    static QString FileFor(const QDir& root, const QString& path);

private:
    QDir m_root;
    QHttpServer m_server;
    quint16 m_port = 0;
};

} // namespace Quillon::DevServer
