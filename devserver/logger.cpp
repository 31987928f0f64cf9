#include "devserver/logger.h"

#include "common/core/ansi.h"
#include "common/core/wire.h"

#include <QMutexLocker>
#include <QTime>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

constexpr qsizetype ShortLine = 400; // characters shown without --verbose

} // namespace

QString Logger::Readable(QByteArrayView bytes)
{
    QString out;
    qsizetype start = 0;
    auto flush = [&](qsizetype end) {
        if (end > start)
            out += Ansi::ToDisplay(bytes.sliced(start, end - start));
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto u = static_cast<unsigned char>(bytes[i]);
        if (u == static_cast<unsigned char>(LineDelimiter) || u < 0x20 || u == 0x7F) {
            flush(i);
            out += u == static_cast<unsigned char>(LineDelimiter)
                       ? u"⏎"_s
                       : u"\\x%1"_s.arg(uint(u), 2, 16, QChar(u'0'));
            start = i + 1;
        }
    }
    flush(bytes.size());
    return out;
}

QString Logger::Describe(QByteArrayView line)
{
    if (line == PacketHeader)
        return u"(acknowledgement)"_s;
    const QByteArray prefix = PacketHeader + FieldSeparator;
    if (!line.startsWith(prefix))
        return u"(no header) "_s + Readable(line);
    QByteArray rest = line.sliced(prefix.size()).toByteArray();
    QString out;
    bool first = true;
    do {
        if (!first)
            out += u" | "_s;
        out += Readable(NextField(rest, FieldSeparator));
        first = false;
    } while (!rest.isEmpty());
    return out;
}

void Logger::Info(const QString& source, const QString& text)
{
    Write(source, text);
}

void Logger::Detail(const QString& source, const QString& text)
{
    if (m_verbose)
        Write(source, text);
}

void Logger::Message(const QString& source, bool incoming, const QByteArray& line)
{
    QString text = Describe(line);
    if (!m_verbose && text.size() > ShortLine)
        text = text.left(ShortLine) + u" … (%1 bytes)"_s.arg(line.size());
    Write(source, (incoming ? u"<- "_s : u"-> "_s) + text);
    if (m_verbose)
        Write(source, u"   bytes: "_s + QString::fromLatin1(line.left(256).toHex(' ')) +
                          (line.size() > 256 ? u" …"_s : QString()));
}

void Logger::Write(const QString& source, const QString& text)
{
    const QByteArray out =
        (QTime::currentTime().toString(u"HH:mm:ss.zzz"_s) + u' ' + source + u' ' + text + u'\n').toUtf8();
    QMutexLocker lock(&m_mutex);
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stderr);
    std::fflush(stderr);
}

} // namespace Quillon::DevServer
