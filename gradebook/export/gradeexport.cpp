#include "gradebook/export/gradeexport.h"

#include "common/ui/messages.h"
#include "gradebook/export/exportblock.h"
#include "gradebook/export/spreadsheetexport.h"
#include "gradebook/grid/stringgridmodel.h"

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

TGradeExport::TGradeExport(QWidget* window, TSpreadsheetLauncher& launcher)
    : m_window(window), m_launcher(launcher)
{
}

void TGradeExport::Action_ExcelExecute(const TStringGridModel* grid)
{
    // Before the roster the grid has no row to export: the block would be empty and its corner
    // outside any worksheet.
    if (grid == nullptr) {
        ShowNotice(m_window,
                   u"There is nothing to export yet: the grade book is filled when the class roster "
                   "arrives from the name server."_s);
        return;
    }
    if (Ask(m_window, u"Are you sure to export all the data into LibreOffice Calc?"_s, TQuestion::OkCancel) !=
        TAnswer::Ok)
        return;
    ExportToSpreadsheet(BuildExportBlock(*grid), m_files, m_launcher);
}

} // namespace Cortelle
