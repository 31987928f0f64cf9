#include "gradebook/book/gradebookpage.h"

#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/recoveryfile.h"
#include "common/ui/errorreport.h"
#include "common/ui/guardedconnect.h"
#include "common/ui/messages.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/gradeupload.h"
#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "ui_gradebookpage.h"

#include <QDir>

#include <utility>

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

TGradeBookPage::TGradeBookPage(TGradeBookContext context, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TGradeBookPage>()), m_context(std::move(context))
{
    ui->setupUi(this);
    ui->BitBtn_Save->setDefaultAction(ui->Action_SaveData);
    ui->BitBtn3->setDefaultAction(ui->Action_Excel);

    m_grid = new TStringGridModel(ui->sgrdMain);
    // Only grade cells take edits, also where a short grade book fixes fewer rows or columns.
    m_grid->SetFirstEditableRow(HeaderRows);
    m_grid->SetFirstEditableCol(NameColumns);
    ui->sgrdMain->SetGridModel(m_grid);
    ui->sgrdMain->SetDefaultColWidth(GradeColWidth);
    ui->sgrdMain->hide();
    // Guarded by hand: clang 14 misreads the argument check inside ConnectGuarded for this signal.
    connect(m_grid, &TStringGridModel::CellEdited, this,
            [this](int col, int row) { Guarded(this, [&] { RecordEdit(col, row); }); });
}

TGradeBookPage::~TGradeBookPage() = default;

QAction* TGradeBookPage::SaveAction() const
{
    return ui->Action_SaveData;
}

QAction* TGradeBookPage::ExportAction() const
{
    return ui->Action_Excel;
}

void TGradeBookPage::TitlesArrival(const QList<QByteArray>& columnTitles,
                                   const QList<QByteArray>& groupTitleTexts)
{
    FColumnTitles += columnTitles;
    for (const QByteArray& text : groupTitleTexts)
        FGroupTitles.append(TTitle(text));
}

void TGradeBookPage::ClearGrid()
{
    m_grid->ClearCells();
}

void TGradeBookPage::ShowGroupTitles()
{
    const QList<QByteArray> row = GroupTitleRow(FGroupTitles, static_cast<int>(FColumnTitles.size()));
    m_grid->ResetWith([&] {
        for (int col = 0; col < row.size(); ++col)
            m_grid->SetCells(col, 0, row[col]);
    });
}

void TGradeBookPage::BuildGradeGrid()
{
    const TGradeGridLayout layout = GradeGridLayout(FColumnTitles, m_context.Roster);
    m_grid->ResetWith([&] {
        m_grid->SetRowCount(layout.RowCount);
        m_grid->SetColCount(layout.ColCount);
        m_grid->SetFixedRows(layout.FixedRows);
        m_grid->SetFixedCols(layout.FixedCols);
        for (int r = 0; r < layout.Rows.size(); ++r) {
            const QList<QByteArray>& texts = layout.Rows[r];
            for (int col = 0; col < texts.size(); ++col)
                m_grid->SetCells(col, r + 1, texts[col]);
        }
    });
    // After the reset, which gives every column its default width again.
    for (int col = 0; col < NameColumns; ++col)
        ui->sgrdMain->SetColWidths(col, NameColWidths[col]);
    for (int i = 0; i < m_context.Roster.Count(); ++i)
        m_context.Roster.Items(i)->FGradeRow = m_grid->GradeRow(i + HeaderRows);
    ui->sgrdMain->show();
    m_built = true;
}

void TGradeBookPage::KeepDraft(const QByteArray& teacher)
{
    if (m_draftFile)
        return;
    const QString folder = RecoveryFolder(OfficeRecoveryProgram);
    m_draftFile = TRecoveryFile::Claim(QDir(folder).filePath(GradeDraftFileName(teacher, m_context.Course)),
                                       GradeDraftLagMs);
    if (!m_draftFile)
        return;
    m_draftFile->SetContent([this] { return m_draft.ToBytes(); });
    ConnectGuarded(m_draftFile.get(), &TRecoveryFile::Due, this, [this] { m_draftFile->Write(); });
    if (m_draftFile->Exists())
        Guarded(window(), [this] { OfferEarlierDraft(); });
}

// An unreadable draft is reported and left in place; nothing in it is guessed at.
void TGradeBookPage::OfferEarlierDraft()
{
    const TGradeDraft earlier = TGradeDraft::FromBytes(m_draftFile->Read());
    if (earlier.IsEmpty() || Ask(window(),
                                 u"Grades edited in an earlier session of this course were not saved. Do you "
                                 u"want to put them back "
                                 u"into the grid? If not, they are discarded."_s,
                                 TQuestion::YesNo) != TAnswer::Yes) {
        m_draftFile->Remove();
        return;
    }
    const TDraftPlacement placement = PlaceDraft(earlier, FColumnTitles, m_context.Roster);
    for (const TPlacedGrade& grade : placement.Placed) {
        m_grid->SetCells(grade.Col, grade.Row, grade.Edit.Grade);
        m_draft.Record(grade.Edit);
    }
    m_draftFile->Write();
    if (!placement.Unmatched.isEmpty())
        ShowNotice(window(), UnmatchedEditsMessage(placement.Unmatched));
}

void TGradeBookPage::RecordEdit(int col, int row)
{
    if (!m_draftFile)
        return;
    if (const std::optional<TGradeEdit> edit =
            EditAt(col, row, m_grid->Cells(col, row), FColumnTitles, m_context.Roster)) {
        m_draft.Record(*edit);
        m_draftFile->Changed();
    }
}

void TGradeBookPage::DiscardDraft()
{
    m_draft = {};
    if (m_draftFile)
        m_draftFile->Remove();
}

void TGradeBookPage::Action_SaveDataExecute()
{
    SaveData();
}

bool TGradeBookPage::SaveData()
{
    // The cells are read as they stand: the grid's editor has already written what is typed.
    if (const std::optional<TUnsendableGrade> grade = FindUnsendableGrade(m_context.Roster)) {
        ShowNotice(window(), UnsendableGradeMessage(*grade, FColumnTitles));
        return false;
    }
    const QByteArray line = NameServer::GradeUploadLine(m_context.Course, m_context.Roster.GradesText());
    try {
        m_context.SendToNameServer(line);
    } catch (const ConnectionError& error) {
        throw ConnectionError(u"The grades were not saved: %1"_s.arg(error.message()));
    }
    DiscardDraft();
    return true;
}

} // namespace Cortelle
