// A mail run of 50 to 500 letters through libcurl, one connection, each transfer away from the calling
// thread as the mail centre runs it, to a loopback aiosmtpd; beside it Python's smtplib sends the
// same letters over one connection to the same server. The libcurl row also reports the
// longest gap between the calling thread's timer ticks during the run (its goal: under 50 ms).
#include "bench/benchapplication.h"
#include "common/core/ansi.h"
#include "common/platform/curlmailtransport.h"
#include "gradebook/grid/stringgridmodel.h"
#include "gradebook/mail/awayfromwindow.h"
#include "gradebook/mail/letter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include "bench/benchtable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Python = u"/usr/bin/python3"_s;

QCoreApplication& App()
{
    return BenchApplication();
}

// aiosmtpd's own Sink handler on a free loopback port, for the whole benchmark run.
class SinkServer
{
public:
    SinkServer()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        m_port = probe.serverPort();
        probe.close();
        m_process.start(Python, {u"-m"_s, u"aiosmtpd"_s, u"-n"_s, u"-l"_s, u"127.0.0.1:%1"_s.arg(m_port),
                                 u"-c"_s, u"aiosmtpd.handlers.Sink"_s});
        for (int i = 0; i < 200; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (socket.waitForConnected(100) && socket.waitForReadyRead(1000))
                return;
            QThread::msleep(50);
        }
    }
    ~SinkServer()
    {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    quint16 Port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

SinkServer& Server()
{
    App();
    static SinkServer server;
    return server;
}

// Letters as the mail centre writes them: salutation, memo lines, four grades, the closing.
QList<Quillon::TMailMessage> Messages(std::int64_t letters)
{
    Cortelle::TStringGridModel grid;
    grid.SetColCount(7);
    grid.SetRowCount(3);
    for (int c = 3; c < 7; ++c)
        grid.SetCells(c, 2, "B+ \x80");
    const Cortelle::TLetterText text{
        {"Hello,", "", "here are your grades for the term:"}, {"", "Regards,", "Ann Lee"}, true};
    QList<Quillon::TMailMessage> messages;
    for (std::int64_t i = 0; i < letters; ++i) {
        Quillon::TStudent student;
        student.FFirstName = "Student" + QByteArray::number(i);
        student.FLastName = "Ren\xE9";
        student.FGradeRow = grid.GradeRow(2);
        const QList<QByteArray> letter = Cortelle::BuildLetter(
            student, {"Quiz 1", "Quiz 2", "Midterm", "Final"}, text, Cortelle::TLetterCopy::Mail);
        messages.append({u"ann.lee@school.test"_s, u"student%1@school.test"_s.arg(i), u"Grades for Algebra"_s,
                         Cortelle::LetterBody(letter), QString()});
    }
    return messages;
}

void MailRunCurl(benchmark::State& state)
{
    const quint16 port = Server().Port();
    const QList<Quillon::TMailMessage> messages = Messages(state.range(0));
    Quillon::TCurlMailTransport transport;
    qint64 longestGap = 0;
    int connections = 0;
    for (auto _ : state) {
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        sinceTick.start();
        ticker.start();
        Cortelle::TAwayFromWindow away;
        auto connection = away.Run([&] { return transport.Connect("127.0.0.1", port); });
        for (const Quillon::TMailMessage& message : messages)
            away.Run([&] { connection->Send(message); });
        connections = connection->Connections();
        away.Run([&] { connection.reset(); });
        ticker.stop();
        longestGap = std::max(longestGap, sinceTick.elapsed());
    }
    state.SetLabel("longest tick gap " + std::to_string(longestGap) + " ms, connections " +
                   std::to_string(connections));
}

// The transport alone, every call on this thread: what the hop away from the window costs.
void MailTransportOnTheCallingThread(benchmark::State& state)
{
    const quint16 port = Server().Port();
    const QList<Quillon::TMailMessage> messages = Messages(state.range(0));
    Quillon::TCurlMailTransport transport;
    for (auto _ : state) {
        auto connection = transport.Connect("127.0.0.1", port);
        for (const Quillon::TMailMessage& message : messages)
            connection->Send(message);
    }
}

// The same letters through smtplib over one connection, timed inside Python (its start-up left out).
constexpr auto SmtplibScript = R"(
import json, smtplib, sys, time
from email.message import EmailMessage
from email.utils import formatdate, make_msgid
port, letters = int(sys.argv[1]), json.load(sys.stdin)
start = time.perf_counter()
smtp = smtplib.SMTP("127.0.0.1", port)
for to, text in letters:
    m = EmailMessage()
    m["From"], m["To"], m["Subject"] = "ann.lee@school.test", to, "Grades for Algebra"
    m["Date"], m["Message-ID"] = formatdate(), make_msgid()
    m.set_content(text)
    smtp.send_message(m)
smtp.quit()
print(time.perf_counter() - start)
)";

void MailRunSmtplib(benchmark::State& state)
{
    const quint16 port = Server().Port();
    QJsonArray letters;
    for (const Quillon::TMailMessage& message : Messages(state.range(0)))
        letters.append(QJsonArray{message.To, QString(message.Text).replace(u"\r\n"_s, u"\n"_s)});
    const QByteArray input = QJsonDocument(letters).toJson(QJsonDocument::Compact);
    for (auto _ : state) {
        QProcess python;
        python.start(Python, {u"-c"_s, QString::fromUtf8(SmtplibScript), QString::number(port)});
        python.write(input);
        python.closeWriteChannel();
        if (!python.waitForFinished(120000) || python.exitCode() != 0) {
            state.SkipWithError("smtplib run failed");
            return;
        }
        state.SetIterationTime(python.readAllStandardOutput().trimmed().toDouble());
    }
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    const QuillonBench::TRowTiming timing{benchmark::kMillisecond, 3, true};
    RegisterRow("mail run (letters) vs smtplib", 1.0, {50, 200, 500}, MailRunCurl, MailRunSmtplib, timing);
    RegisterRow("mail transport alone (letters) vs smtplib", 1.0, {50, 200, 500},
                MailTransportOnTheCallingThread, MailRunSmtplib, timing);
    return true;
}();

} // namespace
