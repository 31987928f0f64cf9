// The flite voice of Qt TextToSpeech, created and speaking, with a private PulseAudio server
// (null sink) standing in for the workstation's sound card.
#include "common/core/error.h"
#include "common/platform/texttospeechvoice.h"
#include "tests/support/soundserver.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TVoiceSpeaksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_sound.Start(), qPrintable(m_sound.Error())); }
    void flite_isCreatedAndSpeaksTextsInOrder();

private:
    SoundServer m_sound;
};

void TVoiceSpeaksTest::flite_isCreatedAndSpeaksTextsInOrder()
{
    std::unique_ptr<Quillon::TTextToSpeechVoice> voice;
    try {
        voice = Quillon::CreateTextToSpeechVoice(Quillon::TTextToSpeechVoiceFactory::DefaultEngine);
    } catch (const Quillon::Error& error) {
        QFAIL(qPrintable(error.message()));
    }
    QSignalSpy spoken(voice.get(), &Quillon::TTextToSpeechVoice::Spoken);
    QSignalSpy failed(voice.get(), &Quillon::TTextToSpeechVoice::Failed);

    // Handed over back to back: the second must wait for the first, not cut it off. An empty text,
    // which the engine would never report as done, must not hold up the one after it.
    Quillon::TVoice& seam = *voice;
    seam.Speak(u" hello there"_s);
    seam.Speak(QString());
    seam.Speak(u" the lesson starts now"_s);

    QTRY_COMPARE_WITH_TIMEOUT(spoken.count() + failed.count(), 2, 15000);
    QVERIFY2(failed.isEmpty(), failed.isEmpty() ? "" : qPrintable(failed.first().at(1).toString()));
    QCOMPARE(spoken.at(0).at(0).toString(), u" hello there"_s);
    QCOMPARE(spoken.at(1).at(0).toString(), u" the lesson starts now"_s);
}

QTEST_GUILESS_MAIN(TVoiceSpeaksTest)
#include "tst_voicespeaks.moc"
