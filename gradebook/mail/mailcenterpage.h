#pragma once

#include "common/core/studentlist.h"
#include "gradebook/mail/letter.h"
#include "gradebook/mail/mailsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

namespace Quillon {
class TFileDialogs;
class TMailTransport;
} // namespace Quillon

namespace Cortelle {

namespace Ui {
class TMailCenterPage;
}

class TForm_MsgBox;
class TForm_MsgPreview;

// What the mail centre is handed by its window; everything outlives the page.
struct TMailCenterContext
{
    // The roster the sign-in refills; entry i of the recipient list is student i.
    const Quillon::TStudentList& Roster;
    // The grade book's column titles, over the grades each letter lists.
    const QList<QByteArray>& ColumnTitles;
    // config_teacher.ini, read at every roster arrival.
    QString ConfigFile;
    Quillon::TMailTransport& Transport;
    Quillon::TFileDialogs& Dialogs;
};

// The "Message Center" page: the recipients to tick, the letter's subject, attachment and text, the
// preview and the mail run, one SMTP connection per run. While a run waits for the server the
// window keeps handling its events; the page reads ticks, memos, grade box, subject and
// attachment afresh for every letter.
class TMailCenterPage : public QWidget
{
    Q_OBJECT

public:
    explicit TMailCenterPage(TMailCenterContext context, QWidget* parent = nullptr);
    ~TMailCenterPage() override;

    void ReadMailSettings();
    // One unticked entry per student, in roster order. During a run it also ends the run after
    // the letter in flight: the letters still to come were meant for the old class.
    void FillRecipientList();
    const TMailSettings& Settings() const { return m_settings; }

    void Action_SelectAllExecute();
    void Action_ClearAllExecute();
    void Action_AttachExecute();
    void BitBtn_ClearClick();
    void BitBtn_SendClick();
    // The text of the first ticked entry, or an empty text.
    QString FirstCheckedName() const;
    // Throws Quillon::Error when the server cannot be reached or refuses the connection.
    void SendAllMail();

    bool Running() const { return m_running; }
    // Ends a run after the letter in flight.
    void StopAfterLetterInFlight() { m_stopRequested = true; }

Q_SIGNALS:
    void RunEnded();

private:
    // The student of entry i, tied by position; none when the entry no longer shows that student.
    const Quillon::TStudent* StudentAt(int entry) const;
    QList<int> TickedEntries() const;
    TLetterText LetterText() const;
    // What stops a run before it connects, or nothing.
    std::optional<QString> ProblemBeforeConnecting(const QList<int>& ticked) const;
    void Run();

    std::unique_ptr<Ui::TMailCenterPage> ui;
    TMailCenterContext m_context;
    TMailSettings m_settings;
    TForm_MsgBox* m_msgBox = nullptr;      // a window of its own, owned by the page
    TForm_MsgPreview* m_preview = nullptr; // a dialog, owned by the page
    bool m_running = false;
    bool m_stopRequested = false;
};

} // namespace Cortelle
