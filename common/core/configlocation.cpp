#include "common/core/configlocation.h"

#include "common/core/apppath.h"

#include <QDir>
#include <QFileInfo>

namespace Quillon {

namespace {

QString WithSlash(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

// The XDG base directory rules: a relative or empty $XDG_CONFIG_HOME is ignored in favour of
// ~/.config.
QString UserConfigHome(const QString& xdgConfigHome, const QString& home)
{
    if (!xdgConfigHome.isEmpty() && QDir::isAbsolutePath(xdgConfigHome))
        return WithSlash(xdgConfigHome);
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        return {};
    return WithSlash(home) + QStringLiteral(".config/");
}

} // namespace

TConfigLocations TConfigLocations::FromEnvironment()
{
    TConfigLocations locations;
    locations.ExecutableDir = ExecutableDirectory();
    locations.XdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    locations.Home = qEnvironmentVariable("HOME");
    return locations;
}

QStringList TConfigLocations::SearchDirs() const
{
    QStringList dirs{WithSlash(ExecutableDir)};
    const QString userHome = UserConfigHome(XdgConfigHome, Home);
    if (!userHome.isEmpty())
        dirs.append(userHome + QStringLiteral("quillon/"));
    if (!SystemDir.isEmpty())
        dirs.append(WithSlash(SystemDir));
    return dirs;
}

QString TConfigLocations::DirectoryOf(const QString& fileName) const
{
    const QStringList dirs = SearchDirs();
    for (const QString& dir : dirs) {
        if (QFileInfo(dir + fileName).isFile())
            return dir;
    }
    return dirs.first();
}

} // namespace Quillon
