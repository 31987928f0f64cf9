// The flite voice of Qt TextToSpeech, created and speaking, with a private PulseAudio server
// (null sink) standing in for the workstation's sound card.
#include "error.h"
#include "texttospeechvoice.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TVoiceSpeaksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void flite_isCreatedAndSpeaksTextsInOrder();

private:
    QTemporaryDir m_runtime;
    QProcess m_pulse;
};

void TVoiceSpeaksTest::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    const QString socket = m_runtime.filePath(u"native"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_runtime.path());
    env.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
    env.insert(u"XDG_CONFIG_HOME"_s, m_runtime.path());
    env.remove(u"PULSE_SERVER"_s);
    m_pulse.setProcessEnvironment(env);
    // It quits by itself once idle, should this test be killed before it can stop the server.
    m_pulse.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_pulse.start(u"pulseaudio"_s,
                  {u"-n"_s, u"--daemonize=no"_s, u"--use-pid-file=no"_s, u"--exit-idle-time=20"_s,
                   u"--log-target=stderr"_s, u"--log-level=error"_s,
                   u"--load=module-null-sink sink_name=silent"_s,
                   u"--load=module-native-protocol-unix auth-anonymous=1 socket="_s + socket});
    QVERIFY2(m_pulse.waitForStarted(5000), "pulseaudio did not start (scripts/setup-deps.sh installs it)");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(socket).exists(), 10000);
    qputenv("PULSE_SERVER", (u"unix:"_s + socket).toUtf8());
}

void TVoiceSpeaksTest::cleanupTestCase()
{
    if (m_pulse.state() != QProcess::NotRunning) {
        m_pulse.terminate();
        if (!m_pulse.waitForFinished(5000))
            m_pulse.kill();
        m_pulse.waitForFinished(5000);
    }
}

void TVoiceSpeaksTest::flite_isCreatedAndSpeaksTextsInOrder()
{
    std::unique_ptr<Brivane::TTextToSpeechVoice> voice;
    try {
        voice = Brivane::CreateTextToSpeechVoice(Brivane::TTextToSpeechVoiceFactory::DefaultEngine);
    } catch (const Quillon::Error& error) {
        QFAIL(qPrintable(error.message()));
    }
    QSignalSpy spoken(voice.get(), &Brivane::TTextToSpeechVoice::Spoken);
    QSignalSpy failed(voice.get(), &Brivane::TTextToSpeechVoice::Failed);

    // Handed over back to back: the second must wait for the first, not cut it off. An empty text,
    // which the engine would never report as done, must not hold up the one after it.
    Brivane::TVoice& seam = *voice;
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
