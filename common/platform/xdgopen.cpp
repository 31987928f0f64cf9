#include "common/platform/shellopen.h"

#include <QProcess>

namespace Quillon {

void TXdgOpen::Open(const QString& target, int)
{
    // The shell's result is never looked at by the callers; a program that cannot start opens nothing.
    QProcess::startDetached(m_program, {target});
}

} // namespace Quillon
