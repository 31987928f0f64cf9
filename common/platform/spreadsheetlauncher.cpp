#include "common/platform/spreadsheetlauncher.h"

#include "common/core/error.h"

#include <QFileInfo>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace Quillon {

TCalcLauncher::TCalcLauncher(QString program) : m_program(std::move(program)) {}

void TCalcLauncher::OpenAsNewDocument(const QString& file)
{
    // An absolute path can never be taken for one of the program's options.
    const QStringList arguments{u"--calc"_s, u"-n"_s, QFileInfo(file).absoluteFilePath()};
    if (!QProcess::startDetached(m_program, arguments)) {
        throw Error(u"The spreadsheet program (LibreOffice Calc) could not be started."_s);
    }
}

} // namespace Quillon
