#pragma once

#include <QString>

namespace Quillon {
class TSpreadsheetLauncher;
}

namespace Cortelle {

class ExportBlock;
class TPrivateFiles;

// Writes the block into a new workbook in a private file of files and has the launcher open it
// as a new document. Returns the file's path. Throws Quillon::Error; nothing is started then.
QString ExportToSpreadsheet(const ExportBlock& block, TPrivateFiles& files,
                            Quillon::TSpreadsheetLauncher& launcher);

} // namespace Cortelle
