// The libcurl transport against a real SMTP server (aiosmtpd), read back with Python's email.
#include "common/platform/curlmailtransport.h"
#include "tests/support/smtpsink.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Quillon::MailError;
using Quillon::TMailMessage;

namespace {

TMailMessage Letter(const QString& to, const QString& subject = u"Grades"_s,
                    const QString& text = u"Dear X,\r\n"_s)
{
    return {u"teacher@school.test"_s, to, subject, text, QString()};
}

} // namespace

class TestMailTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Subjects that are not ASCII are encoded and folded; the text's lines and its leading dots
    // come through as written.
    void message_arrivesAsWritten_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << u"Grades for Algebra"_s << u"Dear Ann Lee,\r\n\r\nQuiz:B;\r\n"_s;
        QTest::newRow("accents and euro") << u"Résultats – 5 €"_s << u"Prix: 5 €\r\nœuvre Š\r\n"_s;
        QTest::newRow("long, not ASCII, with a character outside the BMP")
            << QString(u"é"_s).repeated(40) + u" 🎓 "_s + QString(u"ü"_s).repeated(40) << u"x\r\n"_s;
        QTest::newRow("lines of dots") << u"Dots"_s << u".\r\n..\r\n. end\r\n..\r\n"_s;
    }
    void message_arrivesAsWritten()
    {
        QFETCH(QString, subject);
        QFETCH(QString, text);
        SmtpSink sink;
        QVERIFY2(sink.Start(), qPrintable(sink.Error()));
        Quillon::TCurlMailTransport transport;
        auto connection = transport.Connect("127.0.0.1", sink.Port());
        connection->Send(Letter(u"ann@school.test"_s, subject, text));
        connection.reset();
        const QJsonArray messages = sink.Messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0][u"subject"_s].toString(), subject);
        QCOMPARE(messages[0][u"text"_s].toString(), QString(text).replace(u"\r\n"_s, u"\n"_s));
        QCOMPARE(messages[0][u"envelope"_s][u"rcpt_tos"_s].toArray(), QJsonArray{u"ann@school.test"_s});
    }

    void manyMessages_overOneConnection()
    {
        SmtpSink sink;
        QVERIFY2(sink.Start(), qPrintable(sink.Error()));
        Quillon::TCurlMailTransport transport;
        auto connection = transport.Connect("127.0.0.1", sink.Port());
        for (int i = 0; i < 5; ++i)
            connection->Send(Letter(u"s%1@school.test"_s.arg(i)));
        QCOMPARE(connection->Connections(), 1);
        connection.reset();
        QCOMPARE(sink.MessageCount(), 5);
        QCOMPARE(sink.Connections(), 1);
    }

    void nothingListening_connectFails()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        Quillon::TCurlMailTransport transport;
        try {
            transport.Connect("127.0.0.1", port);
            QFAIL("connected to nothing");
        } catch (const MailError& error) {
            QCOMPARE(error.Kind(), MailError::TKind::Connect);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<int>("where"); // 0 greeting, 1 recipient, 2 DATA, 3 dropped inside DATA
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("greeting") << 0 << int(MailError::TKind::Connect) << u"554 5.3.2"_s;
        QTest::newRow("recipient") << 1 << int(MailError::TKind::RecipientRefused) << u"550"_s;
        QTest::newRow("DATA") << 2 << int(MailError::TKind::Other) << u"554 5.7.1"_s;
        QTest::newRow("dropped inside DATA") << 3 << int(MailError::TKind::Other) << QString();
    }
    void refusals()
    {
        QFETCH(int, where);
        QFETCH(int, kind);
        QFETCH(QString, reason);
        SmtpSink sink;
        SmtpSink::Options options;
        options.RefuseGreeting = where == 0;
        options.RefuseRecipients = {u"bad@school.test"_s};
        options.RefuseData = where == 2;
        options.DropInData = where == 3;
        QVERIFY2(sink.Start(options), qPrintable(sink.Error()));
        Quillon::TCurlMailTransport transport;
        try {
            auto connection = transport.Connect("127.0.0.1", sink.Port());
            connection->Send(Letter(where == 1 ? u"bad@school.test"_s : u"ann@school.test"_s));
            QFAIL("the server's refusal went unnoticed");
        } catch (const MailError& error) {
            QCOMPARE(int(error.Kind()), kind);
            QVERIFY2(!error.Reason().isEmpty() && error.Reason().contains(reason),
                     qPrintable(error.Reason()));
        }
        QCOMPARE(sink.MessageCount(), 0);
    }

    // An attachment that vanished after the checks fails before the transaction starts.
    void vanishedAttachment_failsAndTheConnectionGoesOn()
    {
        SmtpSink sink;
        QVERIFY2(sink.Start(), qPrintable(sink.Error()));
        Quillon::TCurlMailTransport transport;
        auto connection = transport.Connect("127.0.0.1", sink.Port());
        TMailMessage message = Letter(u"ann@school.test"_s);
        QTemporaryDir dir;
        message.AttachmentPath = dir.filePath(u"gone.bin"_s);
        QVERIFY_THROWS_EXCEPTION(MailError, connection->Send(message));
        connection->Send(Letter(u"bo@school.test"_s));
        connection.reset();
        QCOMPARE(sink.MessageCount(), 1);
        QCOMPARE(sink.Connections(), 1);
    }
};

QTEST_MAIN(TestMailTransport)
#include "tst_mailtransport.moc"
