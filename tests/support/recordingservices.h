#pragma once

// Recording doubles of the desktop services, for tests: they remember what the program asked of
// the desktop and start nothing.
#include "common/core/error.h"
#include "common/platform/services.h"

#include <QMetaObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>
#include <utility>

namespace Quillon {

// Every voice it makes writes what it is asked to speak into one list. With FailCreate set,
// Create() fails as a workstation without a speech engine would.
class TRecordingVoiceFactory final : public TVoiceFactory
{
public:
    bool FailCreate = false;

    std::unique_ptr<TVoice> Create() override
    {
        ++m_createCount;
        if (FailCreate)
            throw Error(QStringLiteral("No speech engine on this test workstation."));
        return std::make_unique<TRecordingVoice>(m_spoken);
    }

    int CreateCount() const { return m_createCount; }
    // Every text in the order it was handed over, empty ones included.
    const QStringList& Spoken() const { return *m_spoken; }

private:
    class TRecordingVoice final : public TVoice
    {
    public:
        explicit TRecordingVoice(std::shared_ptr<QStringList> spoken) : m_spoken(std::move(spoken)) {}
        void Speak(const QString& text) override { m_spoken->append(text); }

    private:
        std::shared_ptr<QStringList> m_spoken;
    };

    int m_createCount = 0;
    std::shared_ptr<QStringList> m_spoken = std::make_shared<QStringList>();
};

class TRecordingShellOpen final : public TShellOpen
{
public:
    struct Call
    {
        QString target;
        int showCommand = 0;
        bool operator==(const Call&) const = default;
    };
    void Open(const QString& target, int showCommand) override { Calls.push_back({target, showCommand}); }

    QList<Call> Calls;
};

// Answers each dialog with the next queued path (an empty one cancels); with nothing queued it
// cancels. Remembers what each dialog offered.
class TRecordingFileDialogs final : public TFileDialogs
{
public:
    QString SaveFileName(QWidget*, const TSaveFileRequest& request) override
    {
        SaveRequests.append(request.ObjectName);
        return next();
    }
    QString OpenFileName(QWidget*, const QString& objectName) override
    {
        OpenRequests.append(objectName);
        return next();
    }

    std::deque<QString> Answers;
    QStringList SaveRequests;
    QStringList OpenRequests;

private:
    QString next()
    {
        if (Answers.empty())
            return QString();
        QString answer = std::move(Answers.front());
        Answers.pop_front();
        return answer;
    }
};

// Remembers every file it was asked to open.
class TRecordingSpreadsheetLauncher final : public TSpreadsheetLauncher
{
public:
    void OpenAsNewDocument(const QString& file) override { Opened.append(file); }

    QStringList Opened;
};

// Views that load nothing: each is an empty widget named WebBrowser1 that records where it was
// sent and reports every load as finished, from the event loop.
class TRecordingWebViewFactory final : public TWebViewFactory
{
public:
    TWebView* CreateView(QWidget* parent) override
    {
        ++CreateCount;
        return new TRecordingWebView(parent, Navigations);
    }

    int CreateCount = 0;
    std::shared_ptr<QList<QUrl>> Navigations = std::make_shared<QList<QUrl>>();

private:
    class TRecordingWebView final : public TWebView
    {
    public:
        TRecordingWebView(QWidget* parent, std::shared_ptr<QList<QUrl>> navigations)
            : m_widget(new QWidget(parent)), m_navigations(std::move(navigations))
        {
            m_widget->setObjectName(QStringLiteral("WebBrowser1"));
        }
        QWidget* Widget() override { return m_widget; }
        void Navigate(const QUrl& url) override
        {
            m_navigations->append(url);
            QMetaObject::invokeMethod(
                m_widget,
                [finished = m_finished, url] {
                    if (finished)
                        finished(url, true);
                },
                Qt::QueuedConnection);
        }
        void SetLoadFinished(std::function<void(const QUrl&, bool)> finished) override
        {
            m_finished = std::move(finished);
        }

    private:
        QWidget* m_widget; // owned by its parent
        std::shared_ptr<QList<QUrl>> m_navigations;
        std::function<void(const QUrl&, bool)> m_finished;
    };
};

// Keeps every message it is handed instead of sending it; with FailConnect set, Connect fails as
// an unreachable server would. Counts the connections it was asked to open.
class TRecordingMailTransport final : public TMailTransport
{
public:
    bool FailConnect = false;

    std::unique_ptr<TMailConnection> Connect(const QByteArray& host, int port) override
    {
        Connects.append({host, port});
        if (FailConnect)
            throw MailError(MailError::TKind::Connect,
                            QStringLiteral("Nothing listens there on this test workstation."));
        return std::make_unique<TRecordingConnection>(Sent);
    }

    QList<QPair<QByteArray, int>> Connects;
    std::shared_ptr<QList<TMailMessage>> Sent = std::make_shared<QList<TMailMessage>>();

private:
    class TRecordingConnection final : public TMailConnection
    {
    public:
        explicit TRecordingConnection(std::shared_ptr<QList<TMailMessage>> sent) : m_sent(std::move(sent)) {}
        void Send(const TMailMessage& message) override { m_sent->append(message); }
        int Connections() const override { return 1; }

    private:
        std::shared_ptr<QList<TMailMessage>> m_sent;
    };
};

} // namespace Quillon
