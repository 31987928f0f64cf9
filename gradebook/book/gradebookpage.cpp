#include "gradebook/book/gradebookpage.h"

#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/ui/messages.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/gradeupload.h"
#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "ui_gradebookpage.h"

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
    return true;
}

} // namespace Cortelle
