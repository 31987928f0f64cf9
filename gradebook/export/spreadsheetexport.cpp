#include "spreadsheetexport.h"

#include "privatefiles.h"
#include "spreadsheetlauncher.h"
#include "workbookwriter.h"

using namespace Qt::StringLiterals;

namespace Cortelle {

QString ExportToSpreadsheet(const ExportBlock& block, TPrivateFiles& files, TSpreadsheetLauncher& launcher)
{
    const QString path = files.NewFilePath(u"Grades.xlsx"_s);
    WriteWorkbook(block, path);
    launcher.OpenAsNewDocument(path);
    return path;
}

} // namespace Cortelle
