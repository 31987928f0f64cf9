#include "common/platform/mailtransport.h"

#include <QDateTime>
#include <QUuid>

#include <utility>

namespace Quillon {

MailError::MailError(TKind kind, QString reason) : Error(reason), m_kind(kind), m_reason(std::move(reason)) {}

namespace {

bool IsAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// RFC 2047 encoded words of at most 45 bytes of UTF-8 each (72 characters encoded), cut only
// between characters, folded onto continuation lines.
QByteArray EncodedWords(QStringView text)
{
    constexpr qsizetype ChunkBytes = 45;
    QList<QByteArray> words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, length).toUtf8();
        if (chunk.size() + bytes.size() > ChunkBytes) {
            words.append(chunk);
            chunk.clear();
        }
        chunk.append(bytes);
        i += length;
    }
    if (!chunk.isEmpty())
        words.append(chunk);
    QByteArray encoded;
    for (const QByteArray& word : words) {
        if (!encoded.isEmpty())
            encoded.append("\r\n ");
        encoded.append("=?UTF-8?B?" + word.toBase64() + "?=");
    }
    return encoded;
}

QByteArray DomainOf(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    const QString domain = at >= 0 ? address.mid(at + 1) : QString();
    return domain.isEmpty() || !IsAscii(domain) ? QByteArrayLiteral("quillon.invalid") : domain.toLatin1();
}

} // namespace

QList<QByteArray> MailHeaders(const TMailMessage& message)
{
    const QByteArray subject =
        IsAscii(message.Subject) ? message.Subject.toLatin1() : EncodedWords(message.Subject);
    const QByteArray date = QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1();
    const QByteArray id = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    return {
        "From: " + message.From.toUtf8(),
        "To: " + message.To.toUtf8(),
        "Subject: " + subject,
        "Date: " + date,
        "Message-ID: <" + id + "@" + DomainOf(message.From) + ">",
        "MIME-Version: 1.0",
    };
}

} // namespace Quillon
