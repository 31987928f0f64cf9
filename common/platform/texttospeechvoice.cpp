#include "common/platform/texttospeechvoice.h"

#include "common/core/error.h"

using namespace Qt::StringLiterals;

namespace Quillon {

TTextToSpeechVoice::TTextToSpeechVoice(std::unique_ptr<QTextToSpeech> engine) : m_engine(std::move(engine))
{
    connect(m_engine.get(), &QTextToSpeech::stateChanged, this, &TTextToSpeechVoice::EngineStateChanged);
}

TTextToSpeechVoice::~TTextToSpeechVoice()
{
    // The engine announces its last state change while it is being destroyed; by then the queue
    // is gone.
    disconnect(m_engine.get(), nullptr, this, nullptr);
}

void TTextToSpeechVoice::Speak(const QString& text)
{
    // Nothing to say; for an empty text the engine would not even report that it is done.
    if (text.trimmed().isEmpty())
        return;
    m_pending.push_back(text);
    if (!m_busy)
        SpeakNext();
}

void TTextToSpeechVoice::SpeakNext()
{
    if (m_busy || m_pending.empty())
        return;
    m_current = m_pending.front();
    m_pending.pop_front();
    m_busy = true;
    m_started = false;
    m_engine->say(m_current);
}

void TTextToSpeechVoice::EngineStateChanged(QTextToSpeech::State state)
{
    if (!m_busy)
        return;
    if (state == QTextToSpeech::Speaking) {
        m_started = true;
        return;
    }
    const QString text = m_current;
    if (state == QTextToSpeech::Ready && m_started) {
        m_busy = false;
        Q_EMIT Spoken(text);
    } else if (state == QTextToSpeech::Error) {
        m_busy = false;
        Q_EMIT Failed(text, m_engine->errorString());
    } else {
        return;
    }
    // Not from inside the engine's own signal: it is still winding down the text it finished.
    QMetaObject::invokeMethod(this, &TTextToSpeechVoice::SpeakNext, Qt::QueuedConnection);
}

std::unique_ptr<TTextToSpeechVoice> CreateTextToSpeechVoice(const QString& engineName)
{
    if (!QTextToSpeech::availableEngines().contains(engineName))
        throw Error(u"The speech engine \"%1\" is not installed."_s.arg(engineName));
    auto engine = std::make_unique<QTextToSpeech>(engineName);
    // A missing audio output leaves the engine Ready but with an error text, and every later
    // say() fails: no voice then.
    if (engine->state() == QTextToSpeech::Error || !engine->errorString().isEmpty()) {
        throw Error(u"The speech engine \"%1\" cannot speak: %2"_s.arg(engineName, engine->errorString()));
    }
    if (engine->availableVoices().isEmpty())
        throw Error(u"The speech engine \"%1\" has no voice."_s.arg(engineName));
    return std::make_unique<TTextToSpeechVoice>(std::move(engine));
}

} // namespace Quillon
