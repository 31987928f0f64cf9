#include "tests/support/smtpsink.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Python = u"/usr/bin/python3"_s;

} // namespace

SmtpSink::~SmtpSink()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.closeWriteChannel(); // the server ends when its input ends
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(2000);
        }
    }
}

bool SmtpSink::Start(const Options& options)
{
    if (!m_dir.isValid()) {
        m_error = u"no temporary folder"_s;
        return false;
    }
    QStringList arguments{QStringLiteral(QUILLON_SUPPORT_DIR "/smtp_sink.py"), m_dir.path()};
    if (options.RefuseGreeting)
        arguments << u"--refuse-greeting"_s;
    for (const QString& address : options.RefuseRecipients)
        arguments << u"--refuse-rcpt"_s << address;
    if (options.RefuseData)
        arguments << u"--refuse-data"_s;
    if (options.DropInData)
        arguments << u"--drop-in-data"_s;
    if (options.DelaySeconds > 0)
        arguments << u"--delay"_s << QString::number(options.DelaySeconds);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(Python, arguments);
    if (!m_server.waitForStarted(10000)) {
        m_error = m_server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(20000);
    QByteArray line;
    while (!line.endsWith('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(100);
        line += m_server.readLine();
    }
    if (!line.startsWith("PORT ")) {
        m_error = u"the SMTP server did not start (is python3-aiosmtpd installed?)"_s;
        return false;
    }
    m_port = static_cast<quint16>(line.mid(5).trimmed().toUInt());
    return m_port != 0;
}

QByteArray SmtpSink::Config() const
{
    return "[SMTP]\r\nServer=127.0.0.1\r\nPort=" + QByteArray::number(m_port) + "\r\n";
}

int SmtpSink::Connections() const
{
    QFile file(m_dir.filePath(u"connections"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : -1;
}

int SmtpSink::MessageCount() const
{
    return static_cast<int>(QDir(m_dir.path()).entryList({u"*.eml"_s}, QDir::Files).size());
}

bool SmtpSink::WaitForMessages(int count, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return MessageCount() >= count; }, timeoutMs);
}

QJsonArray SmtpSink::Messages() const
{
    QProcess reader;
    reader.start(Python, {QStringLiteral(QUILLON_SUPPORT_DIR "/read_mail.py"), m_dir.path()});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) {
        qWarning() << "read_mail.py failed:" << reader.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}
