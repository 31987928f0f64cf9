#pragma once

#include <QString>
#include <QStringList>

namespace Quillon {

// Where a program looks for its configuration file, in order: beside the executable, then the
// user's configuration directory, then the machine's. The first directory holding the file is
// the one read; nothing is ever written to any of them.
struct TConfigLocations
{
    // The running executable's directory.
    QString ExecutableDir;
    // $XDG_CONFIG_HOME as the environment has it (may be empty or relative, then not used).
    QString XdgConfigHome;
    // $HOME, for the default ~/.config.
    QString Home;
    // The machine-wide directory; /etc/quillon/ for the programs.
    QString SystemDir = QStringLiteral("/etc/quillon/");

    // The locations of the running program, from its environment.
    static TConfigLocations FromEnvironment();

    // The candidate directories in lookup order, each ending in '/'.
    QStringList SearchDirs() const;
    // The first of SearchDirs() that holds fileName as a file; the executable's directory when
    // none does (a missing file gives every key its default).
    QString DirectoryOf(const QString& fileName) const;
};

} // namespace Quillon
