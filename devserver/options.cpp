#include "devserver/options.h"

#include "common/core/error.h"

#include <QCommandLineParser>

#include <limits>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

constexpr quint16 DefaultNamePort = 5160;

quint16 Port(const QCommandLineParser& parser, const QString& option, quint16 fallback)
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const uint value = parser.value(option).toUInt(&ok);
    if (!ok || value > std::numeric_limits<quint16>::max())
        throw Error(
            u"--%1 needs a port number from 0 to 65535, not '%2'"_s.arg(option, parser.value(option)));
    return static_cast<quint16>(value);
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& defaultDataDirectory,
                             const QString& defaultStateDirectory)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Development name server and communication server for Brivane and Cortelle, on loopback."_s);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions({
        {u"name-port"_s, u"Name-server port (default %1; 0 picks a free one)."_s.arg(DefaultNamePort),
         u"port"_s},
        {u"comm-port"_s, u"Communication-server port (default 0: a free one)."_s, u"port"_s},
        {u"web-port"_s, u"Course site port (default 0: a free one)."_s, u"port"_s},
        {u"port-file"_s,
         u"Write NAME_PORT=..., COMM_PORT=... and WEB_PORT=... to this file once listening."_s, u"file"_s},
        {u"data"_s, u"Directory holding class.ini (default %1)."_s.arg(defaultDataDirectory), u"dir"_s},
        {u"state"_s, u"Directory for uploaded grades (default %1)."_s.arg(defaultStateDirectory), u"dir"_s},
        {u"pace"_s, u"Speed of the simulated class: 2 is twice as busy (default 1)."_s, u"factor"_s},
        {u"quiet"_s, u"The class is online at once and does nothing of its own; for tests."_s},
        {u"students"_s, u"Students per course (default: the sample rosters as they are)."_s, u"n"_s},
        {u"seed"_s, u"Seed of the simulated class, to repeat a run (default: random)."_s, u"n"_s},
        {u"verbose"_s, u"Log more: raw bytes of every line and the class's decisions."_s},
    });

    CommandLine result;
    if (!parser.parse(arguments))
        throw Error(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        throw Error(u"Unexpected argument '%1'"_s.arg(parser.positionalArguments().front()));
    if (parser.isSet(help)) {
        result.showHelp = true;
        result.helpText = parser.helpText();
        return result;
    }

    DevServerOptions& server = result.server;
    server.dataDirectory = parser.isSet(u"data"_s) ? parser.value(u"data"_s) : defaultDataDirectory;
    server.stateDirectory = parser.isSet(u"state"_s) ? parser.value(u"state"_s) : defaultStateDirectory;
    server.namePort = Port(parser, u"name-port"_s, DefaultNamePort);
    server.commPort = Port(parser, u"comm-port"_s, 0);
    server.webPort = Port(parser, u"web-port"_s, 0);
    if (parser.isSet(u"pace"_s)) {
        bool ok = false;
        server.simulation.pace = parser.value(u"pace"_s).toDouble(&ok);
        if (!ok || !(server.simulation.pace > 0.0) || server.simulation.pace > 1000.0)
            throw Error(
                u"--pace needs a factor above 0 and at most 1000, not '%1'"_s.arg(parser.value(u"pace"_s)));
    }
    server.simulation.quiet = parser.isSet(u"quiet"_s);
    if (parser.isSet(u"students"_s)) {
        bool ok = false;
        server.students = parser.value(u"students"_s).toInt(&ok);
        if (!ok || server.students < 0 || server.students > 10000)
            throw Error(
                u"--students needs a number from 0 to 10000, not '%1'"_s.arg(parser.value(u"students"_s)));
    }
    if (parser.isSet(u"seed"_s)) {
        bool ok = false;
        server.simulation.seed = parser.value(u"seed"_s).toUInt(&ok);
        if (!ok)
            throw Error(u"--seed needs a whole number, not '%1'"_s.arg(parser.value(u"seed"_s)));
    }
    result.portFile = parser.value(u"port-file"_s);
    result.verbose = parser.isSet(u"verbose"_s);
    return result;
}

} // namespace Quillon::DevServer
