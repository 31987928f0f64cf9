#pragma once

#include "common/core/studentlist.h"
#include "gradebook/book/gradedraft.h"
#include "gradebook/book/title.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;

namespace Quillon {
class TRecoveryFile;
}

namespace Cortelle {

namespace Ui {
class TGradeBookPage;
}

class TStringGridModel;

// What the grade book is handed by its window: the roster the sign-in refills, the course chosen
// at sign-in and the way to the name server, over which every upload goes. Roster and course
// belong to the window and outlive the page.
struct TGradeBookContext
{
    Quillon::TStudentList& Roster;
    const QByteArray& Course;
    // Writes one line on the name-server connection; throws Quillon::ConnectionError when it cannot.
    std::function<void(const QByteArray& line)> SendToNameServer;
};

// The "Manage Tool" page: the grade grid sgrdMain above the Save and Export buttons, the titles it
// is built from, and the grade upload. The window wires the page's actions.
class TGradeBookPage : public QWidget
{
    Q_OBJECT

public:
    explicit TGradeBookPage(TGradeBookContext context, QWidget* parent = nullptr);
    ~TGradeBookPage() override;

    const QList<QByteArray>& ColumnTitles() const { return FColumnTitles; }
    const QList<TTitle>& GroupTitles() const { return FGroupTitles; }
    // The cells of sgrdMain, as the upload, the export and the mail read them.
    const TStringGridModel& Cells() const { return *m_grid; }
    // Whether a roster has built the grid since the page was made.
    bool Built() const { return m_built; }

    QAction* SaveAction() const;
    QAction* ExportAction() const;

    // Every column title is appended, then a TTitle of every group-title text; nothing is cleared
    // first. A group-title text that does not convert throws: it and the ones after it stay out.
    void TitlesArrival(const QList<QByteArray>& columnTitles, const QList<QByteArray>& groupTitleTexts);
    // Drops every text of the previous roster, also those beyond the grid's size: a class with
    // fewer grades would otherwise show and upload the old trailing ones.
    void ClearGrid();
    void ShowGroupTitles();
    void BuildGradeGrid();

    // Once the grid is built: every grade typed from now on is kept in the course's draft file
    // until a Save, and a draft an earlier session left is offered back first.
    void KeepDraft(const QByteArray& teacher);
    // The teacher chose not to save: the draft goes too.
    void DiscardDraft();

    void Action_SaveDataExecute();
    // The upload itself; false when a grade was refused (the teacher has been told). Throws when
    // the write fails.
    bool SaveData();

private:
    void OfferEarlierDraft();
    void RecordEdit(int col, int row);

    std::unique_ptr<Ui::TGradeBookPage> ui;
    TGradeBookContext m_context;
    TStringGridModel* m_grid = nullptr; // owned by sgrdMain
    bool m_built = false;
    QList<QByteArray> FColumnTitles;
    QList<TTitle> FGroupTitles;
    TGradeDraft m_draft;
    std::unique_ptr<Quillon::TRecoveryFile> m_draftFile; // none while another office keeps the course
};

} // namespace Cortelle
