#include "tests/support/soundserver.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

using namespace Qt::StringLiterals;

bool SoundServer::Start()
{
    if (!m_runtime.isValid()) {
        m_error = u"no temporary directory"_s;
        return false;
    }
    const QString socket = m_runtime.filePath(u"native"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_runtime.path());
    env.insert(u"XDG_RUNTIME_DIR"_s, m_runtime.path());
    env.insert(u"XDG_CONFIG_HOME"_s, m_runtime.path());
    env.remove(u"PULSE_SERVER"_s);
    m_pulse.setProcessEnvironment(env);
    m_pulse.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // It quits by itself once idle, should the test be killed before it can stop the server.
    m_pulse.start(u"pulseaudio"_s,
                  {u"-n"_s, u"--daemonize=no"_s, u"--use-pid-file=no"_s, u"--exit-idle-time=20"_s,
                   u"--log-target=stderr"_s, u"--log-level=error"_s,
                   u"--load=module-null-sink sink_name=silent"_s,
                   u"--load=module-native-protocol-unix auth-anonymous=1 socket="_s + socket});
    if (!m_pulse.waitForStarted(5000)) {
        m_error = u"pulseaudio did not start (scripts/setup-deps.sh installs it)"_s;
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket)) {
        if (deadline.hasExpired() || m_pulse.state() == QProcess::NotRunning) {
            m_error = u"pulseaudio opened no socket"_s;
            return false;
        }
        QThread::msleep(20);
    }
    qputenv("PULSE_SERVER", (u"unix:"_s + socket).toUtf8());
    return true;
}

SoundServer::~SoundServer()
{
    qunsetenv("PULSE_SERVER");
    if (m_pulse.state() == QProcess::NotRunning)
        return;
    m_pulse.terminate();
    if (!m_pulse.waitForFinished(5000))
        m_pulse.kill();
    m_pulse.waitForFinished(5000);
}
