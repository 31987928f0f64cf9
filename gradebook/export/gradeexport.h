#pragma once

#include "gradebook/export/privatefiles.h"

class QWidget;

namespace Quillon {
class TSpreadsheetLauncher;
}

namespace Cortelle {

class TStringGridModel;

// The Export button: the question, then the grade grid in a new workbook opened in the
// spreadsheet program. The workbooks stay in private files until this object goes, since the
// spreadsheet program reads them after the export has returned.
class TGradeExport
{
public:
    // Questions and notices open over window; the launcher must outlive this object.
    TGradeExport(QWidget* window, Quillon::TSpreadsheetLauncher& launcher);

    // grid: the cells of the grade grid, or nullptr while no roster has built it. Throws
    // Quillon::Error when the workbook cannot be written or the program cannot be started.
    void Action_ExcelExecute(const TStringGridModel* grid);

private:
    QWidget* m_window;
    Quillon::TSpreadsheetLauncher& m_launcher;
    TPrivateFiles m_files;
};

} // namespace Cortelle
