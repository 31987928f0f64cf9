#include "common/platform/curlmailtransport.h"

#include <curl/curl.h>

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <mutex>

using namespace Qt::StringLiterals;

namespace Quillon {

namespace {

bool IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

// The easy handle's string lists, freed with their owner.
struct SList
{
    curl_slist* list = nullptr;
    SList() = default;
    SList(const SList&) = delete;
    SList& operator=(const SList&) = delete;
    ~SList() { curl_slist_free_all(list); }
    void Append(const QByteArray& line)
    {
        curl_slist* grown = curl_slist_append(list, line.constData());
        if (grown == nullptr)
            throw MailError(MailError::TKind::Other, u"Out of memory for a mail header."_s);
        list = grown;
    }
};

struct Mime
{
    curl_mime* mime = nullptr;
    Mime() = default;
    Mime(const Mime&) = delete;
    Mime& operator=(const Mime&) = delete;
    ~Mime() { curl_mime_free(mime); }
};

// The text of a letter on its own, read by libcurl as the message; it escapes leading dots and
// ends the data itself.
struct Upload
{
    QByteArray data;
    qsizetype sent = 0;

    static size_t Read(char* buffer, size_t size, size_t count, void* self)
    {
        auto* upload = static_cast<Upload*>(self);
        const size_t left = static_cast<size_t>(upload->data.size() - upload->sent);
        const size_t n = std::min(left, size * count);
        std::memcpy(buffer, upload->data.constData() + upload->sent, n);
        upload->sent += static_cast<qsizetype>(n);
        return n;
    }
};

class TCurlMailConnection final : public TMailConnection
{
public:
    TCurlMailConnection(const QByteArray& host, int port)
    {
        m_curl = curl_easy_init();
        if (m_curl == nullptr)
            throw MailError(MailError::TKind::Connect, u"libcurl could not start a mail session."_s);
        m_url = "smtp://" + host + ":" + QByteArray::number(port);
        curl_easy_setopt(m_curl, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_error);
        curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT, 30L);
        curl_easy_setopt(m_curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, 120L);
        // The debug hook is the only place libcurl shows the server's own replies.
        curl_easy_setopt(m_curl, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(m_curl, CURLOPT_DEBUGFUNCTION, &TCurlMailConnection::Debug);
        curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, this);

        // Greeting and EHLO now, before any message: a NOOP with no recipients.
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, "NOOP");
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        const CURLcode code = Perform();
        curl_easy_setopt(m_curl, CURLOPT_CUSTOMREQUEST, static_cast<char*>(nullptr));
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 0L);
        if (code != CURLE_OK) {
            const QString reason = Reason(code);
            curl_easy_cleanup(m_curl);
            throw MailError(MailError::TKind::Connect, reason);
        }
    }

    ~TCurlMailConnection() override
    {
        curl_easy_cleanup(m_curl); // says QUIT on a connection still open
    }

    void Send(const TMailMessage& message) override
    {
        const QByteArray from = "<" + message.From.toUtf8() + ">";
        SList recipients;
        recipients.Append("<" + message.To.toUtf8() + ">");
        const QList<QByteArray> headerLines = MailHeaders(message);
        const QByteArray text = message.Text.toUtf8();

        SList headers;
        SList partHeaders;
        Mime mime;
        Upload upload;
        if (message.AttachmentPath.isEmpty()) {
            // One text part: the message is the headers and the letter, 8-bit UTF-8.
            for (const QByteArray& line : headerLines)
                upload.data += line + "\r\n";
            upload.data +=
                "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n";
            upload.data += text;
            curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, static_cast<curl_mime*>(nullptr));
            curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
            curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
            curl_easy_setopt(m_curl, CURLOPT_READFUNCTION, &Upload::Read);
            curl_easy_setopt(m_curl, CURLOPT_READDATA, &upload);
            curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(upload.data.size()));
        } else {
            for (const QByteArray& line : headerLines)
                headers.Append(line);
            mime.mime = curl_mime_init(m_curl);
            curl_mimepart* letter = curl_mime_addpart(mime.mime);
            curl_mime_data(letter, text.constData(), static_cast<size_t>(text.size()));
            curl_mime_type(letter, "text/plain; charset=UTF-8");
            curl_mime_encoder(letter, "quoted-printable");
            curl_mimepart* file = curl_mime_addpart(mime.mime);
            const QByteArray path = message.AttachmentPath.toLocal8Bit();
            if (const CURLcode code = curl_mime_filedata(file, path.constData()); code != CURLE_OK)
                throw MailError(MailError::TKind::Other,
                                u"The attachment %1 cannot be read."_s.arg(message.AttachmentPath));
            curl_mime_type(file, "application/octet-stream");
            // libcurl would put a name that is not ASCII into the header raw; RFC 2231 carries it.
            const QString name = QFileInfo(message.AttachmentPath).fileName();
            if (!IsAscii(name)) {
                partHeaders.Append("Content-Disposition: attachment; filename*=UTF-8''" +
                                   QUrl::toPercentEncoding(name));
                curl_mime_headers(file, partHeaders.list, 0);
            }
            curl_mime_encoder(file, "base64");
            curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 0L);
            curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, headers.list);
            curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, mime.mime);
        }
        curl_easy_setopt(m_curl, CURLOPT_MAIL_FROM, from.constData());
        curl_easy_setopt(m_curl, CURLOPT_MAIL_RCPT, recipients.list);

        const CURLcode code = Perform();
        long connects = 0;
        curl_easy_getinfo(m_curl, CURLINFO_NUM_CONNECTS, &connects);
        m_connections += static_cast<int>(connects);
        // Nothing of this message may be read by a later transfer.
        curl_easy_setopt(m_curl, CURLOPT_MIMEPOST, static_cast<curl_mime*>(nullptr));
        curl_easy_setopt(m_curl, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
        curl_easy_setopt(m_curl, CURLOPT_MAIL_RCPT, static_cast<curl_slist*>(nullptr));
        curl_easy_setopt(m_curl, CURLOPT_READDATA, static_cast<void*>(nullptr));
        if (code == CURLE_OK)
            return;
        const bool refusedRecipient = std::strncmp(m_error, "RCPT failed", 11) == 0;
        throw MailError(refusedRecipient ? MailError::TKind::RecipientRefused : MailError::TKind::Other,
                        Reason(code));
    }

    int Connections() const override { return m_connections; }

private:
    CURLcode Perform()
    {
        m_error[0] = '\0';
        m_lastRefusal.clear();
        return curl_easy_perform(m_curl);
    }

    // libcurl's account of the failure, and the server's last refusal where there was one.
    QString Reason(CURLcode code) const
    {
        QString reason = QString::fromUtf8(m_error[0] != '\0' ? m_error : curl_easy_strerror(code));
        if (!m_lastRefusal.isEmpty())
            reason += u" (the server said: %1)"_s.arg(QString::fromUtf8(m_lastRefusal));
        return reason;
    }

    static int Debug(CURL*, curl_infotype type, char* data, size_t size, void* self)
    {
        // Only refusals: a failed transfer may still end with the server's goodbye.
        if (type == CURLINFO_HEADER_IN && size > 0 && (data[0] == '4' || data[0] == '5')) {
            auto* connection = static_cast<TCurlMailConnection*>(self);
            connection->m_lastRefusal = QByteArray(data, static_cast<qsizetype>(size)).trimmed();
        }
        return 0;
    }

    CURL* m_curl = nullptr;
    QByteArray m_url;
    char m_error[CURL_ERROR_SIZE] = {};
    QByteArray m_lastRefusal;
    int m_connections = 1;
};

} // namespace

TCurlMailTransport::TCurlMailTransport()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::unique_ptr<TMailConnection> TCurlMailTransport::Connect(const QByteArray& host, int port)
{
    return std::make_unique<TCurlMailConnection>(host, port);
}

} // namespace Quillon
