// The development server's course site: the pages under site/, and nothing outside it.
#include "devserver/coursesite.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Quillon::DevServer::CourseSite;

class TestCourseSite : public QObject
{
    Q_OBJECT

    QTemporaryDir m_data;

    static void write(const QString& file, const QByteArray& text)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QDir(m_data.path()).mkpath(u"site/algebra"_s));
        write(m_data.filePath(u"site/index.html"_s), "<title>Courses</title>");
        write(m_data.filePath(u"site/algebra/index.html"_s), "<title>Algebra</title>");
        write(m_data.filePath(u"site/algebra/quadratic.html"_s), "<title>Quadratic</title>");
        write(m_data.filePath(u"secret.txt"_s), "not for the web");
    }

    void fileFor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file"); // relative to site/, empty: none
        QTest::newRow("page") << u"algebra/quadratic.html"_s << u"algebra/quadratic.html"_s;
        QTest::newRow("folder gives its index") << u"algebra"_s << u"algebra/index.html"_s;
        QTest::newRow("missing") << u"algebra/none.html"_s << QString();
        QTest::newRow("out of the folder") << u"../secret.txt"_s << QString();
        QTest::newRow("out, deeper") << u"algebra/../../secret.txt"_s << QString();
        QTest::newRow("absolute") << u"/etc/passwd"_s << QString();
    }
    void fileFor()
    {
        QFETCH(QString, path);
        QFETCH(QString, file);
        const QDir site(m_data.filePath(u"site"_s));
        QCOMPARE(CourseSite::FileFor(site, path),
                 file.isEmpty() ? QString() : QFileInfo(site.filePath(file)).canonicalFilePath());
    }

    void servesThePagesOverHttp()
    {
        CourseSite site(m_data.path());
        site.Listen(0);
        QNetworkAccessManager network;
        const auto get = [&](const QString& path) {
            QNetworkReply* reply = network.get(QNetworkRequest(QUrl(site.Address() + path)));
            QSignalSpy finished(reply, &QNetworkReply::finished);
            if (!finished.wait(5000))
                return std::pair<int, QByteArray>{-1, {}};
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            const QByteArray body = reply->readAll();
            reply->deleteLater();
            return std::pair<int, QByteArray>{status, body};
        };
        QCOMPARE(get(u"/"_s), (std::pair<int, QByteArray>{200, "<title>Courses</title>"}));
        QCOMPARE(get(u"/algebra/quadratic.html"_s),
                 (std::pair<int, QByteArray>{200, "<title>Quadratic</title>"}));
        QCOMPARE(get(u"/nothing.html"_s).first, 404);
        QCOMPARE(get(u"/%2e%2e/secret.txt"_s).first, 404);
    }
};

QTEST_GUILESS_MAIN(TestCourseSite)
#include "tst_coursesite.moc"
