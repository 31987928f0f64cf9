#include "devserver/signalwatcher.h"

#include "common/core/error.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

int g_pipe[2] = {-1, -1};
struct sigaction g_oldInt;
struct sigaction g_oldTerm;

void OnSignal(int signalNumber)
{
    const int saved = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalWatcher::SignalWatcher(QObject* parent) : QObject(parent)
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        throw Error(u"Cannot create the signal pipe: %1"_s.arg(QString::fromLocal8Bit(std::strerror(errno))));
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::ReadPipe);

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_oldInt);
    ::sigaction(SIGTERM, &action, &g_oldTerm);
}

SignalWatcher::~SignalWatcher()
{
    ::sigaction(SIGINT, &g_oldInt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SignalWatcher::ReadPipe()
{
    char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        Q_EMIT Signalled(static_cast<unsigned char>(byte));
}

} // namespace Quillon::DevServer
