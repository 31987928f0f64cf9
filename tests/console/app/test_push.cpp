// Content push on the console's real window: the course addresses on the chat room, their
// preview, the push to the class, pushes from the class, and the embedded browser on a loopback
// web server.
#include "common/platform/webviewplugin.h"
#include "console/browser/webbrowserpage.h"
#include "console/push/pushpage.h"
#include "tests/support/consolesession.h"
#include "tests/support/pageserver.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Call = Quillon::TRecordingShellOpen::Call;

class TestPush : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;
    PageServer m_pages;

    template <typename T> T* control(const char* name) const
    {
        return m_session->Control<T>(QString::fromLatin1(name));
    }
    Brivane::TWebBrowserPage& browser() const { return m_session->Form().BrowserPage(); }
    QList<Call> opened() const { return m_session->Shell()->Calls; }

    // Joins with the course main page of config_teacher.ini served by the loopback server, with
    // the real web engine or with views that only record.
    void joinClass(bool realBrowser = false)
    {
        m_session->SetExtraConfig("[Course]\r\nMainPage=" + m_pages.Url(u"course/index.html"_s).toEncoded() +
                                  "\r\n");
        Quillon::TPlatformServices services;
        if (realBrowser)
            services.WebView = std::make_unique<Quillon::TPluginWebViewFactory>();
        m_session->Create(std::move(services));
        m_session->JoinClass();
    }

    // Waits for the browser to finish loading `url`.
    void waitForPage(QSignalSpy& loads, const QUrl& url)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!loads.isEmpty() && loads.last().at(0).toUrl() == url, 30000);
        QVERIFY(loads.last().at(1).toBool());
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { m_session = std::make_unique<ConsoleSession>(); }
    void cleanup() { m_session.reset(); }

    void push_sendsTheThreeTextsAsTypedAndFalse_data()
    {
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("audio");
        QTest::addColumn<QString>("video");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("all empty") << QString() << QString() << QString()
                                   << QByteArray("\xC2\xC3\xC4$$$1$$$$$$$$$$$$0");
        QTest::newRow("blanks kept, accents in the code page")
            << u" http://h/caf\u00e9 "_s << u"a.mp3"_s << QString()
            << QByteArray("\xC2\xC3\xC4$$$1$$$ http://h/caf\xE9 $$$a.mp3$$$$$$0");
    }
    void push_sendsTheThreeTextsAsTypedAndFalse()
    {
        QFETCH(QString, main);
        QFETCH(QString, audio);
        QFETCH(QString, video);
        QFETCH(QByteArray, line);
        joinClass();
        control<QLineEdit>("Edit_Main")->setText(main);
        control<QLineEdit>("Edit_Audio")->setText(audio);
        control<QLineEdit>("Edit_Video")->setText(video);
        QTest::mouseClick(control<QToolButton>("BitBtn_Push"), Qt::LeftButton);
        QVERIFY(m_session->CommServer().WaitForLines(1));
        QCOMPARE(m_session->CommServer().ReceivedLines(), QList<QByteArray>{line});
        QCOMPARE(opened(), QList<Call>());
        QCOMPARE(control<QLineEdit>("Edit_Main")->text(), main);
    }

    void preview_opensTheTrimmedTextShown_blanksOpenNothing()
    {
        joinClass();
        control<QLineEdit>("Edit_Main")->setText(u"  http://h/main  "_s);
        control<QLineEdit>("Edit_Audio")->setText(u"   "_s);
        control<QLineEdit>("Edit_Video")->setText(u"\t/home/ann/lesson 1.mp4 "_s);
        for (const char* button : {"BitBtn1", "Preview_Audio", "Preview_Video"})
            QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        QCOMPARE(opened(), (QList<Call>{{u"http://h/main"_s, 5}, {u"/home/ann/lesson 1.mp4"_s, 5}}));
        QCOMPARE(m_session->CommServer().Received(), QByteArray());
    }

    void clear_emptiesTheThreeInputs()
    {
        joinClass();
        for (const char* input : {"Edit_Main", "Edit_Audio", "Edit_Video"})
            control<QLineEdit>(input)->setText(u"x"_s);
        QTest::mouseClick(control<QToolButton>("BitBtn4"), Qt::LeftButton);
        for (const char* input : {"Edit_Main", "Edit_Audio", "Edit_Video"})
            QCOMPARE(control<QLineEdit>(input)->text(), QString());
    }

    void browser_notStartedBeforeSignIn()
    {
        m_session->Create();
        QVERIFY(!browser().HasBrowser());
        QCOMPARE(m_session->WebViews()->CreateCount, 0);
        QCOMPARE(control<QLineEdit>("Edit_Main")->text(), u"http://localhost/"_s);
    }

    // After sign-in the browser holds the course main page; a push from the class replaces it,
    // opens its media and leaves the shown page as it was.
    void browser_loadsTheMainPageAfterSignInAndAfterAPush()
    {
        joinClass(true);
        QSignalSpy loads(&browser(), &Brivane::TWebBrowserPage::PageLoaded);
        const QUrl course = m_pages.Url(u"course/index.html"_s);
        QCOMPARE(browser().URLs()->currentText(), course.toString());
        waitForPage(loads, course);
        QVERIFY(control<QWidget>("WebBrowser1")->parentWidget() == &browser());

        auto* pages = control<QTabWidget>("PageControl_Main");
        const int shownPage = pages->currentIndex();
        const QUrl pushed = m_pages.Url(u"pushed/lesson2.html"_s);
        m_session->Deliver({"Jane", "Doe", "1", pushed.toEncoded(), "http://h/a.mp3", "http://h/v.mp4", "0"});
        waitForPage(loads, pushed);
        QCOMPARE(browser().URLs()->currentText(), pushed.toString());
        QCOMPARE(opened(), (QList<Call>{{u"http://h/a.mp3"_s, 6}, {u"http://h/v.mp4"_s, 5}}));
        QCOMPARE(pages->currentIndex(), shownPage);
    }

    void browser_refusesAPushedLocalFile()
    {
        joinClass();
        const QUrl course = m_pages.Url(u"course/index.html"_s);
        QCOMPARE(*m_session->WebViews()->Navigations, QList<QUrl>{course});
        m_session->Deliver({"Jane", "Doe", "1", "file:///etc/hostname", "", "", "0"});
        QCOMPARE(*m_session->WebViews()->Navigations, QList<QUrl>{course});
        QCOMPARE(m_session->Form().PanelText(1), u"Pushed address not opened: file:///etc/hostname"_s);
        QCOMPARE(opened(), QList<Call>());
    }
};

int main(int argc, char* argv[])
{
    // As the console's own main does: the web engine shares the window's GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPush test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_push.moc"
