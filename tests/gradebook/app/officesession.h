#pragma once

// The course office signed in at a scripted name server, for the grade-book tests: the real
// program's windows, its real sign-in lines, and a watcher that answers the boxes.
#include "modalwatcher.h"
#include "program.h"
#include "scriptedpeer.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class QAction;
namespace Cortelle {
class TStringGrid;
class TStringGridModel;
} // namespace Cortelle

class OfficeSession
{
public:
    static const QByteArray Course; // the course the teacher picks

    OfficeSession();
    ~OfficeSession();

    // Login, connection, credentials and course choice. False when a step failed.
    bool SignIn();
    // A titles message (code 4); true once it was acknowledged.
    bool SendTitles(const QByteArray& columnTitles, const QByteArray& groupTitles);
    // A roster message (code 3) with the fields after the code; true once it was handled.
    bool SendRoster(const QList<QByteArray>& fields);
    // Sign-in, titles and roster in one.
    bool Open(const QByteArray& columnTitles, const QByteArray& groupTitles, const QList<QByteArray>& roster);

    Cortelle::TForm_Main& Form() const { return *m_program->Form_Main; }
    Cortelle::TStringGrid& Grid() const;
    Cortelle::TStringGridModel& Cells() const;
    QAction& Action(const char* name) const;

    ScriptedPeer& NameServer() { return *m_nameServer; }
    ModalWatcher& Boxes() { return *m_boxes; }
    // Lines the office wrote from the given index on, waiting up to waitMs for at least one.
    QList<QByteArray> LinesFrom(qsizetype index, int waitMs = 3000);
    qsizetype LineCount() const { return m_nameServer->ReceivedLines().size(); }

private:
    // The line the office answers once everything sent before it has been handled.
    bool Sync();
    void CloseStrayBox();

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<Cortelle::TProgram> m_program;
    QTimer m_strayBoxes;
    QWidget* m_strayBox = nullptr;
    int m_strayTicks = 0;
};
