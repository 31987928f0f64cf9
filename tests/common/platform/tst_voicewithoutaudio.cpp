// A workstation without audio output: the engine is there but cannot speak, so no voice is made
// and the caller can tell the teacher once instead of failing at every message.
#include "common/core/error.h"
#include "common/platform/texttospeechvoice.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TVoiceWithoutAudioTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createFails_data();
    void createFails();
};

void TVoiceWithoutAudioTest::createFails_data()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("flite, no audio output") << Quillon::TTextToSpeechVoiceFactory::DefaultEngine;
    QTest::newRow("engine not installed") << u"no-such-engine"_s;
}

void TVoiceWithoutAudioTest::createFails()
{
    QFETCH(QString, engine);
    Quillon::TTextToSpeechVoiceFactory factory(engine);
    try {
        const auto voice = factory.Create();
        QFAIL("a voice was made");
    } catch (const Quillon::Error& error) {
        QVERIFY2(error.message().contains(engine), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TVoiceWithoutAudioTest)
#include "tst_voicewithoutaudio.moc"
