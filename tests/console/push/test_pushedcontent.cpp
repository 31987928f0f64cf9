// Course material pushed by the class: which addresses are opened, how, and what is refused.
#include "console/push/coursemainpage.h"
#include "console/push/pushedaddress.h"
#include "console/push/pushedcontent.h"
#include "tests/support/recordingservices.h"
#include "tests/support/standaloneclass.h"
#include "tests/support/testconfig.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;
using Call = Quillon::TRecordingShellOpen::Call;

class TestPushedContent : public QObject
{
    Q_OBJECT

    StandaloneClass m_class;
    Quillon::TRecordingShellOpen m_shell;
    QStringList m_mainPages;
    TPushedContentOpener m_opener{m_class, m_shell,
                                  [this](const QString& address) { m_mainPages << address; }};

    void receive(const QList<QByteArray>& fields)
    {
        m_class.Link().Register(CommServer::icPush,
                                [this](const CommServer::TSender& sender, QByteArray& rest) {
                                    m_opener.OpenPushedContent(sender, rest);
                                });
        m_class.Receive(fields);
    }

private Q_SLOTS:
    void init()
    {
        m_shell.Calls.clear();
        m_mainPages.clear();
        m_class.StatusWrites.clear();
        m_class.MarkedOnline.clear();
    }

    void mayOpenPushed_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("asMainPage");
        QTest::addColumn<bool>("asMedia");
        QTest::newRow("http") << u"http://127.0.0.1:8080/lesson.html"_s << true << true;
        QTest::newRow("https, upper-case scheme") << u"HTTPS://example.org/a?b=c#d"_s << true << true;
        QTest::newRow("rtsp stream") << u"rtsp://media.example.org/lesson"_s << false << true;
        QTest::newRow("rtmp stream") << u"rtmp://media.example.org/live"_s << false << true;
        QTest::newRow("mms stream") << u"mms://media.example.org/a.wmv"_s << false << true;
        QTest::newRow("file address") << u"file:///etc/passwd"_s << false << false;
        QTest::newRow("bare path") << u"/usr/bin/xterm"_s << false << false;
        QTest::newRow("desktop entry") << u"/usr/share/applications/xterm.desktop"_s << false << false;
        QTest::newRow("javascript") << u"javascript:alert(1)"_s << false << false;
        QTest::newRow("data") << u"data:text/html,<b>x</b>"_s << false << false;
        QTest::newRow("unknown scheme") << u"steam://run/1"_s << false << false;
        QTest::newRow("leading blank") << u" http://example.org/"_s << false << false;
        QTest::newRow("blank inside") << u"http://example.org/a b"_s << false << false;
        QTest::newRow("control character") << u"http://example.org/\u0085x"_s << false << false;
        QTest::newRow("no host") << u"http:/etc/passwd"_s << false << false;
        QTest::newRow("option-like") << u"--help"_s << false << false;
    }
    void mayOpenPushed()
    {
        QFETCH(QString, address);
        QFETCH(bool, asMainPage);
        QFETCH(bool, asMedia);
        QCOMPARE(MayOpenPushed(address, TPushedKind::MainPage), asMainPage);
        QCOMPARE(MayOpenPushed(address, TPushedKind::Media), asMedia);
    }

    void allThree_audioMinimizedVideoShownMainPageToBrowser()
    {
        receive({"Jane", "Doe", "1", "http://h/main", "http://h/a.mp3", "http://h/v.mp4", "0", "ignored"});
        QCOMPARE(m_class.MarkedOnline, QList<QByteArray>{"Jane Doe"});
        QCOMPARE(m_shell.Calls,
                 (QList<Call>{{u"http://h/a.mp3"_s, SW_MINIMIZE}, {u"http://h/v.mp4"_s, SW_SHOW}}));
        QCOMPARE(m_mainPages, QStringList{u"http://h/main"_s});
        QCOMPARE(m_class.StatusWrites, QStringList());
    }

    void emptyAddresses_noPlayerAndTheBrowserStillSent()
    {
        receive({"Jane", "Doe", "1", "", "", "", "0"});
        QCOMPARE(m_shell.Calls, QList<Call>());
        QCOMPARE(m_mainPages, QStringList{QString()});
    }

    void localAddresses_neitherOpenedNorNavigated_statusNamesThem()
    {
        receive({"Jane", "Doe", "1", "file:///etc/passwd", "/usr/bin/xterm", "http://h/v.mp4", "0"});
        QCOMPARE(m_shell.Calls, (QList<Call>{{u"http://h/v.mp4"_s, SW_SHOW}}));
        QCOMPARE(m_mainPages, QStringList());
        QCOMPARE(m_class.StatusWrites, (QStringList{u"1: Pushed address not opened: /usr/bin/xterm"_s,
                                                    u"1: Pushed address not opened: file:///etc/passwd"_s}));
        QCOMPARE(m_class.MarkedOnline, QList<QByteArray>{"Jane Doe"});
    }

    void refusedAddress_shownCut()
    {
        const QString shown = RefusedAddressText(u"file:///"_s + QString(5000, u'x'));
        QVERIFY2(shown.size() < 120, qPrintable(shown));
        QVERIFY(shown.endsWith(u'\u2026'));
    }

    void courseMainPage_fromConfigOrDefault()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"config_teacher.ini"_s);
        QCOMPARE(ReadCourseMainPage(ini), DefaultCourseMainPage);
        QVERIFY(WriteTeacherConfig(dir.path(), "[course]\r\nmainpage=http://127.0.0.1:9/caf\xE9.html\r\n"));
        QCOMPARE(ReadCourseMainPage(ini), u"http://127.0.0.1:9/caf\u00e9.html"_s);
    }
};

QTEST_GUILESS_MAIN(TestPushedContent)
#include "test_pushedcontent.moc"
