#pragma once

#include "error.h"
#include "voice.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace Brivane {

// A voice factory for tests: every voice it makes writes what it is asked to speak into one list.
// With FailCreate set, Create() fails as a workstation without a speech engine would.
class TRecordingVoiceFactory final : public TVoiceFactory
{
public:
    bool FailCreate = false;

    std::unique_ptr<TVoice> Create() override
    {
        ++m_createCount;
        if (FailCreate)
            throw Quillon::Error(QStringLiteral("No speech engine on this test workstation."));
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

} // namespace Brivane
