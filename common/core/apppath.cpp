#include "common/core/apppath.h"

#include <QCoreApplication>

namespace Quillon {

QString AppPath;

QString ExecutableDirectory()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

} // namespace Quillon
