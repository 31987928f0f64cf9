#pragma once

#include <QProcess>
#include <QTemporaryDir>

// A private PulseAudio server with a null sink, standing in for the workstation's sound card.
// While it runs, PULSE_SERVER points this process at it; the destructor stops it and unsets it.
class SoundServer
{
public:
    SoundServer() = default;
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the server and waits for its socket; false (with the reason in Error()) when it could not.
    bool Start();
    const QString& Error() const { return m_error; }

private:
    QTemporaryDir m_runtime;
    QProcess m_pulse;
    QString m_error;
};
