#include "gradebook/export/spreadsheetexport.h"

#include "common/platform/spreadsheetlauncher.h"
#include "gradebook/export/privatefiles.h"
#include "gradebook/export/workbookwriter.h"

using namespace Qt::StringLiterals;

namespace Cortelle {

QString ExportToSpreadsheet(const ExportBlock& block, TPrivateFiles& files,
                            Quillon::TSpreadsheetLauncher& launcher)
{
    const QString path = files.NewFilePath(u"Grades.xlsx"_s);
    WriteWorkbook(block, path);
    launcher.OpenAsNewDocument(path);
    return path;
}

} // namespace Cortelle
