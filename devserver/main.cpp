// quillon-devserver: plays the name server and the communication server on loopback, so that
// Brivane and Cortelle can be tried and tested on one machine.
#include "common/core/error.h"
#include "devserver/devserver.h"
#include "devserver/options.h"
#include "devserver/signalwatcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Quillon::DevServer;

namespace {

void WritePortFile(const QString& fileName, const DevServer& server)
{
    QSaveFile file(fileName);
    const QByteArray text = "NAME_PORT=" + QByteArray::number(server.NamePort()) +
                            "\nCOMM_PORT=" + QByteArray::number(server.CommPort()) +
                            "\nWEB_PORT=" + QByteArray::number(server.WebPort()) + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw Quillon::Error(u"Cannot write the port file %1: %2"_s.arg(fileName, file.errorString()));
}

void PrintError(const QString& message)
{
    std::fprintf(stderr, "quillon-devserver: %s\n", message.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"quillon-devserver"_s);
    try {
        const CommandLine options = ParseCommandLine(
            QCoreApplication::arguments(), QStringLiteral(QUILLON_DEVSERVER_DATA_DIR),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u"/state"_s);
        if (options.showHelp) {
            std::fputs(options.helpText.toUtf8().constData(), stdout);
            return 0;
        }
        Logger log(options.verbose);
        // Signals are watched before anything slow, so an early Ctrl+C still ends cleanly.
        SignalWatcher watcher;
        QObject::connect(&watcher, &SignalWatcher::Signalled, &app, [&log](int signalNumber) {
            log.Info(u"server"_s,
                     signalNumber == SIGINT ? u"stopping on SIGINT"_s : u"stopping on SIGTERM"_s);
            QCoreApplication::quit();
        });
        DevServer server(options.server, log);
        server.Listen(options.server.namePort, options.server.commPort, options.server.webPort);
        if (!options.portFile.isEmpty())
            WritePortFile(options.portFile, server);
        std::printf("quillon-devserver: name server 127.0.0.1:%u, communication server 127.0.0.1:%u, "
                    "course site http://127.0.0.1:%u/\n",
                    unsigned(server.NamePort()), unsigned(server.CommPort()), unsigned(server.WebPort()));
        std::fflush(stdout);

        const int result = QCoreApplication::exec();
        if (!options.portFile.isEmpty())
            QFile::remove(options.portFile);
        log.Info(u"server"_s, u"stopped"_s);
        return result;
    } catch (const Quillon::Error& error) {
        PrintError(error.message());
        return 1;
    }
}
