#pragma once

#include "common/core/error.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace Quillon {

// One message as it goes out. Texts are Unicode here and go out as UTF-8; the caller has checked
// that the addresses and the subject hold no control characters.
struct TMailMessage
{
    QString From;    // bare address
    QString To;      // bare address
    QString Subject; // may be empty
    QString Text;    // the letter, lines joined by CR LF
    // The file to attach, by its full path; empty for a letter on its own.
    QString AttachmentPath;
};

// A send or a connect that failed. Reason is what the server or the connection said.
class MailError : public Error
{
public:
    enum class TKind {
        Connect,          // no connection, or the server refused the greeting or the introduction
        RecipientRefused, // the server refused the recipient's address
        Other,            // the sender refused, DATA refused, the connection lost, a file unreadable
    };
    MailError(TKind kind, QString reason);
    TKind Kind() const { return m_kind; }
    const QString& Reason() const { return m_reason; }

private:
    TKind m_kind;
    QString m_reason;
};

// One connection to an SMTP server, open from Connect to destruction. Every call blocks until the
// server has answered: callers run it away from a window's thread. Used by one thread at a time.
class TMailConnection
{
public:
    // Says goodbye to the server if the connection is still open, then closes it. Never throws.
    virtual ~TMailConnection() = default;
    // Sends one message to its one recipient; throws MailError.
    virtual void Send(const TMailMessage& message) = 0;
    // How many connections have been opened so far: 1 unless the server closed the connection
    // and a later message had to open a new one.
    virtual int Connections() const = 0;
};

// The way to the SMTP server: no authentication, plain SMTP.
class TMailTransport
{
public:
    virtual ~TMailTransport() = default;
    // Opens the connection, reads the greeting and introduces the client; throws MailError.
    virtual std::unique_ptr<TMailConnection> Connect(const QByteArray& host, int port) = 0;
};

// The headers every message carries (From, To, Subject, Date, Message-ID, MIME-Version), each one
// line without its CR LF; a subject that is not ASCII is RFC 2047-encoded and folded.
QList<QByteArray> MailHeaders(const TMailMessage& message);

} // namespace Quillon
