#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

namespace Quillon::DevServer {

// Readable log lines on stderr, one per event: "12:00:01.250 comm#2 <- 7 | 3".
class Logger
{
public:
    explicit Logger(bool verbose = false) : m_verbose(verbose) {}

    bool Verbose() const { return m_verbose; }
    void Info(const QString& source, const QString& text);
    // Only with --verbose.
    void Detail(const QString& source, const QString& text);
    // One protocol line in either direction: incoming true for what the peer sent.
    void Message(const QString& source, bool incoming, const QByteArray& line);

    // A protocol line as text: the fields after the header joined by " | ", the line delimiter
    // shown as "⏎", other control bytes as \xNN. Lines without the header are marked.
    static QString Describe(QByteArrayView line);
    // Wire text as text: the line delimiter shown as "⏎", other control bytes as \xNN.
    static QString Readable(QByteArrayView bytes);

private:
    void Write(const QString& source, const QString& text);

    bool m_verbose;
    QMutex m_mutex;
};

} // namespace Quillon::DevServer
