#include "devserver/coursesite.h"

#include "common/core/error.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponse>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

CourseSite::CourseSite(const QString& dataDirectory) : m_root(QDir(dataDirectory).filePath(SiteFolder))
{
    m_server.route(u"/<arg>"_s, [this](const QUrl& path) {
        const QString file = FileFor(m_root, path.path());
        if (file.isEmpty())
            return QHttpServerResponse(QHttpServerResponder::StatusCode::NotFound);
        return QHttpServerResponse::fromFile(file);
    });
    m_server.route(u"/"_s,
                   [this] { return QHttpServerResponse::fromFile(m_root.filePath(u"index.html"_s)); });
}

void CourseSite::Listen(quint16 port)
{
    m_port = m_server.listen(QHostAddress::LocalHost, port);
    if (m_port == 0)
        throw Error(u"Cannot open the course site on port %1"_s.arg(port));
}

QString CourseSite::Address() const
{
    return u"http://127.0.0.1:%1"_s.arg(m_port);
}

QString CourseSite::FileFor(const QDir& root, const QString& path)
{
    const QString rootPath = QDir::cleanPath(root.absolutePath());
    QString file = QDir::cleanPath(rootPath + u'/' + path);
    if (QFileInfo(file).isDir())
        file += u"/index.html"_s;
    const QFileInfo info(file);
    if (!info.isFile() || !info.canonicalFilePath().startsWith(QDir(rootPath).canonicalPath() + u'/'))
        return {};
    return info.canonicalFilePath();
}

} // namespace Quillon::DevServer
