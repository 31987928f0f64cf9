// Grade upload and spreadsheet export.
#include "mainform.h"

#include "error.h"
#include "errorreport.h"
#include "exportblock.h"
#include "gradeupload.h"
#include "messages.h"
#include "nameserverprotocol.h"
#include "spreadsheetexport.h"
#include "spreadsheetlauncher.h"
#include "stringgridmodel.h"

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

void TForm_Main::Action_SaveDataExecute()
{
    Guarded(this, [this] { SaveData(); });
}

bool TForm_Main::SaveData()
{
    // The cells are read as they stand: the grid's editor has already written what is typed.
    if (const std::optional<TUnsendableGrade> grade = FindUnsendableGrade(*FRoster)) {
        ShowNotice(this, UnsendableGradeMessage(*grade, FColumnTitles));
        return false;
    }
    const QByteArray line = NameServer::GradeUploadLine(FCourse, FRoster->GradesText());
    try {
        TCPClient_NameServer.WriteLn(line);
    } catch (const ConnectionError& error) {
        throw ConnectionError(u"The grades were not saved: %1"_s.arg(error.message()));
    }
    return true;
}

void TForm_Main::Action_ExcelExecute()
{
    Guarded(this, [this] { ExportData(); });
}

void TForm_Main::ExportData()
{
    if (!m_gradeBookBuilt) {
        ShowNotice(this, u"There is nothing to export yet: the grade book is filled when the class roster "
                         "arrives from the name server."_s);
        return;
    }
    if (Ask(this, u"Are you sure to export all the data into Microsoft Excel?"_s, TQuestion::OkCancel) !=
        TAnswer::Ok)
        return;
    ExportToSpreadsheet(BuildExportBlock(*m_grid), m_exportFiles, *m_spreadsheet);
}

} // namespace Cortelle
