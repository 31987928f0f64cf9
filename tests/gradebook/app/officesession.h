#pragma once

// The course office signed in at a scripted name server, for the grade-book tests: the real
// program's windows, its real sign-in lines, a short tick, a watcher that answers the boxes and a
// spreadsheet program that only records what it was asked to open.
#include "gradebook/app/officeprogram.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingservices.h"
#include "tests/support/scriptedpeer.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <memory>

class QAction;
namespace Cortelle {
class TStringGrid;
class TStringGridModel;
} // namespace Cortelle

class OfficeSession
{
public:
    static const QByteArray Course;   // the course the teacher picks
    static constexpr int TickMs = 40; // the exchange takes one tick per line

    OfficeSession();
    ~OfficeSession();

    // Before SignIn: the mail transport the office gets (a recording one unless set) and more
    // sections for config_teacher.ini.
    void SetMailTransport(std::unique_ptr<Quillon::TMailTransport> transport)
    {
        m_mail = std::move(transport);
    }
    void AddConfig(const QByteArray& text) { m_extraConfig += text; }
    // Where the office keeps its unsaved work ($XDG_STATE_HOME); the session's own folder unless set.
    void SetStateHome(const QString& folder) { m_stateHome = folder; }
    const QString& StateHome() const { return m_stateHome; }

    // Login, connection, credentials and course choice. False when a step failed.
    bool SignIn();
    // A titles message (code 4); true once it was acknowledged.
    bool SendTitles(const QByteArray& columnTitles, const QByteArray& groupTitles);
    // A roster message (code 3) with the fields after the code; true once it was handled.
    bool SendRoster(const QList<QByteArray>& fields);
    // Sign-in, titles and roster in one.
    bool Open(const QByteArray& columnTitles, const QByteArray& groupTitles, const QList<QByteArray>& roster);

    // The program and what it shows; only after SignIn.
    Cortelle::TProgram& Program() const { return *m_program; }
    Cortelle::TForm_Main& Form() const { return *m_program->Form_Main; }
    Cortelle::TStringGrid& Grid() const;
    Cortelle::TStringGridModel& Cells() const;
    QAction& Action(const char* name) const;
    // Every workbook the export has handed to the spreadsheet program.
    Quillon::TRecordingSpreadsheetLauncher& Spreadsheet() const { return *m_spreadsheet; }

    ScriptedPeer& NameServer() { return *m_nameServer; }
    ModalWatcher& Boxes() { return *m_boxes; }
    // Lines the office wrote from the given index on, waiting up to waitMs for at least one.
    QList<QByteArray> LinesFrom(qsizetype index, int waitMs = 3000);
    qsizetype LineCount() const { return m_nameServer->ReceivedLines().size(); }
    // The line the office answers once everything sent before it has been handled.
    bool Sync();

private:
    QTemporaryDir m_dir;
    QString m_stateHome = m_dir.filePath(QStringLiteral("state"));
    std::unique_ptr<Quillon::TMailTransport> m_mail = std::make_unique<Quillon::TRecordingMailTransport>();
    QByteArray m_extraConfig;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<Cortelle::TProgram> m_program;
    Quillon::TRecordingSpreadsheetLauncher* m_spreadsheet = nullptr; // owned by the program's options
};
