#pragma once

#include <QString>

namespace Cortelle {

class ExportBlock;

// Writes the block into a new workbook at path: the first worksheet, from cell A1, every value
// a text cell (a text such as "=1+1" is never a formula), converted from wire text to the
// workbook's UTF-8. The file at path is replaced. Throws Quillon::Error on any failure.
void WriteWorkbook(const ExportBlock& block, const QString& path);

} // namespace Cortelle
