#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A real SMTP server for a test: aiosmtpd run by Debian's Python on a free loopback port. It
// stores what it accepts in a folder of its own and can refuse or drop on request; the messages
// are read back through Python's email package.
class SmtpSink
{
public:
    struct Options
    {
        bool RefuseGreeting = false;
        QStringList RefuseRecipients;
        bool RefuseData = false;
        bool DropInData = false;
        double DelaySeconds = 0; // before answering each RCPT and each message
    };

    SmtpSink() = default;
    ~SmtpSink();
    SmtpSink(const SmtpSink&) = delete;
    SmtpSink& operator=(const SmtpSink&) = delete;

    // Starts the server and waits until it listens; false (with the reason in Error()) when not.
    bool Start(const Options& options);
    bool Start() { return Start(Options()); }
    const QString& Error() const { return m_error; }
    quint16 Port() const { return m_port; }
    // [SMTP] naming this server, for config_teacher.ini.
    QByteArray Config() const;

    // Connections made so far, refused ones included.
    int Connections() const;
    int MessageCount() const;
    bool WaitForMessages(int count, int timeoutMs = 10000) const;
    // Every stored message in order, as tests/support/read_mail.py prints it; empty on failure.
    QJsonArray Messages() const;

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    quint16 m_port = 0;
    QString m_error;
};
