#pragma once

#include "devserver/devserver.h"

#include <QString>
#include <QStringList>

namespace Quillon::DevServer {

struct CommandLine
{
    DevServerOptions server;
    QString portFile; // empty: none written
    bool verbose = false;
    bool showHelp = false;
    QString helpText;
};

// Reads the arguments (the program name first); throws Quillon::Error for a bad value.
// `defaultStateDirectory` is used when --state is not given.
CommandLine ParseCommandLine(const QStringList& arguments, const QString& defaultDataDirectory,
                             const QString& defaultStateDirectory);

} // namespace Quillon::DevServer
