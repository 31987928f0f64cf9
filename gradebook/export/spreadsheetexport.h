#pragma once

#include <QString>

namespace Cortelle {

class ExportBlock;
class TPrivateFiles;
class TSpreadsheetLauncher;

// Writes the block into a new workbook in a private file of files and has the launcher open it
// as a new document. Returns the file's path. Throws Quillon::Error; nothing is started then.
QString ExportToSpreadsheet(const ExportBlock& block, TPrivateFiles& files, TSpreadsheetLauncher& launcher);

} // namespace Cortelle
