#pragma once

#include "common/platform/voice.h"

#include <QObject>
#include <QString>
#include <QTextToSpeech>

#include <deque>
#include <memory>

namespace Quillon {

// A voice of Qt TextToSpeech. QTextToSpeech::say() drops whatever is being spoken, so the texts
// wait in a queue here and the next one is handed over when the engine is done with the last.
class TTextToSpeechVoice final : public QObject, public TVoice
{
    Q_OBJECT

public:
    explicit TTextToSpeechVoice(std::unique_ptr<QTextToSpeech> engine);
    ~TTextToSpeechVoice() override;

    void Speak(const QString& text) override;

Q_SIGNALS:
    void Spoken(const QString& text);
    void Failed(const QString& text, const QString& reason);

private:
    void SpeakNext();
    void EngineStateChanged(QTextToSpeech::State state);

    std::unique_ptr<QTextToSpeech> m_engine;
    std::deque<QString> m_pending;
    QString m_current;
    bool m_busy = false;    // m_current has been handed to the engine and is not finished
    bool m_started = false; // the engine has begun speaking m_current
};

// Throws Error when the engine is missing, reports a problem at start (such as no audio
// output) or has no voice.
std::unique_ptr<TTextToSpeechVoice> CreateTextToSpeechVoice(const QString& engine);

class TTextToSpeechVoiceFactory final : public TVoiceFactory
{
public:
    // The speech engine Debian ships for Qt (qt6-speech-flite-plugin).
    static inline const QString DefaultEngine = QStringLiteral("flite");

    explicit TTextToSpeechVoiceFactory(QString engine = DefaultEngine) : m_engine(std::move(engine)) {}
    std::unique_ptr<TVoice> Create() override { return CreateTextToSpeechVoice(m_engine); }

private:
    QString m_engine;
};

} // namespace Quillon
