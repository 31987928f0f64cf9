// Lines near the connection's length cap on the console's real window: boxes and labels show a
// readable start, a box keeps the whole text under its details, a long chat message arrives whole.
// Each case prints how long the window was busy with its line (a figure, not a check).
#include "common/core/readabletext.h"
#include "tests/support/consolesession.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using Quillon::Ellipsis;

class TestHugeTexts : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;
    QElapsedTimer m_busy;

    void deliverTimed(const char* what, const QList<QByteArray>& fields)
    {
        m_busy.start();
        m_session->Deliver(fields);
        qInfo("%s: handled within %lld ms", what, static_cast<long long>(m_busy.elapsed()));
    }

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<ConsoleSession>();
        m_session->JoinClass();
    }
    void cleanup() { m_session.reset(); }

    void boxTexts_cutWithEllipsis_wholeTextUnderDetails_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("shown");
        const QByteArray line(1024 * 1024, 'n');
        QTest::newRow("notice1MiB") << QByteArray("8") << line
                                    << QString(Quillon::ReadableChars, u'n') + Ellipsis;
        QTest::newRow("verdictNearTheCap") << QByteArray("10") << QByteArray(15 * 1024 * 1024, 'v')
                                           << QString(Quillon::ReadableChars, u'v') + Ellipsis;
        QTest::newRow("shortNotice_noDetails")
            << QByteArray("8") << QByteArray("Hello") << QStringLiteral("Hello");
    }
    void boxTexts_cutWithEllipsis_wholeTextUnderDetails()
    {
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, text);
        QFETCH(QString, shown);
        QString boxText;
        QString details;
        m_session->Boxes().Then([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY2(box, "expected a message box");
            qInfo("box open after %lld ms", static_cast<long long>(m_busy.elapsed()));
            boxText = box->text();
            details = box->detailedText();
            box->button(QMessageBox::Ok)->click();
        });
        deliverTimed(QTest::currentDataTag(), {"S", "V", code, text});
        QCOMPARE(boxText, shown);
        QCOMPARE(details, shown == QString::fromLatin1(text) ? QString() : QString::fromLatin1(text));
    }

    void senderName4MiB_panelShowsItsStart()
    {
        const QString shown =
            QStringLiteral("Last msg by: ") + QString(100, u's') + Ellipsis + QStringLiteral(" Doe");
        const QList<QLabel*> panels = m_session->Form().statusBar()->findChildren<QLabel*>();
        QVERIFY(panels.size() >= 3);
        m_busy.start();
        m_session->CommServer().SendLine(Packet({QByteArray(4 * 1024 * 1024, 's'), "Doe"}));
        QTRY_COMPARE(panels.at(2)->text(), shown);
        qInfo("sender4MiB: shown within %lld ms", static_cast<long long>(m_busy.elapsed()));
    }

    void chatMessageOf100000Lines_appendedWhole()
    {
        QByteArray message;
        for (int i = 0; i < 100000; ++i) {
            if (i > 0)
                message += '\xC0';
            message += 'L' + QByteArray::number(i);
        }
        deliverTimed("chat100000Lines", {"Jane", "Doe", "2", "0", "0", message});
        const QTextDocument* transcript =
            m_session->Control<QTextEdit>(QStringLiteral("Memo_msg"))->document();
        QCOMPARE(transcript->blockCount(), 1 + 100000); // the header, then every line
        QCOMPARE(transcript->lastBlock().text(), QStringLiteral("L99999"));
    }
};

QTEST_MAIN(TestHugeTexts)
#include "test_hugetexts.moc"
