#pragma once

// The console signed in at a scripted name server and joined to a scripted communication server,
// for the console's window tests: the real program's windows, a short tick, recording desktop
// services, and a watcher that answers the boxes.
#include "console/app/consoleprogram.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingservices.h"
#include "tests/support/scriptedpeer.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <memory>

class QTimer;

class ConsoleSession
{
public:
    static constexpr int TickMs = 40;

    struct Join
    {
        QString first = QStringLiteral("Ann");
        QString last = QStringLiteral("Lee");
        QList<QByteArray> courses{"Algebra"};
        int pickCourse = 0;
        QList<QByteArray> roster{"Jane", "Doe", "Ann", "Lee", "Bo", "Li"}; // pairs of names
    };

    ConsoleSession();
    ~ConsoleSession();

    // Where the program keeps its unsaved work ($XDG_STATE_HOME); the session's own folder unless
    // set before Create.
    void SetStateHome(const QString& folder) { m_stateHome = folder; }
    const QString& StateHome() const { return m_stateHome; }

    // The program with the given services (empty ones recorded), config_teacher.ini naming the
    // scripted name server. The window is not shown yet.
    void Create(Quillon::TPlatformServices services = {});
    // Create (unless done), show, log in, pick the course and join; fails the test when a step
    // does not happen.
    void JoinClass(const Join& join);
    void JoinClass() { JoinClass(Join()); }

    Brivane::TForm_Main& Form() const { return *m_program->Form_Main; }
    Brivane::TProgram& Program() const { return *m_program; }
    template <typename T> T* Control(const QString& name) const
    {
        T* found = Form().findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QTimer* Timer2() const;

    ScriptedPeer& NameServer() { return m_nameServer; }
    ScriptedPeer& CommServer() { return m_commServer; }
    ModalWatcher& Boxes() { return m_boxes; }
    // Texts of the boxes seen since the class was joined.
    QStringList BoxesSinceJoin() const;

    // The recording services, where the program was created with them.
    Quillon::TRecordingVoiceFactory* Voices() const { return m_voices; }
    Quillon::TRecordingFileDialogs* Dialogs() const { return m_dialogs; }
    Quillon::TRecordingShellOpen* Shell() const { return m_shell; }
    Quillon::TRecordingWebViewFactory* WebViews() const { return m_webViews; }
    // Lines added to config_teacher.ini after the name server's section; before Create.
    void SetExtraConfig(const QByteArray& lines) { m_extraConfig = lines; }

    // Sends a line of a code that does nothing, from a sender no other line has, and waits until
    // the loop has shown it: every line sent before has then been handled.
    void SendMarkerAndWait();
    // A line from the communication server, then a marker.
    void Deliver(const QList<QByteArray>& fields);

private:
    QTemporaryDir m_dir;
    QString m_stateHome = m_dir.filePath(QStringLiteral("state"));
    ScriptedPeer m_nameServer;
    ScriptedPeer m_commServer;
    ModalWatcher m_boxes;
    std::unique_ptr<Brivane::TProgram> m_program;
    Quillon::TRecordingVoiceFactory* m_voices = nullptr;     // owned by the program
    Quillon::TRecordingFileDialogs* m_dialogs = nullptr;     // owned by the program
    Quillon::TRecordingShellOpen* m_shell = nullptr;         // owned by the program
    Quillon::TRecordingWebViewFactory* m_webViews = nullptr; // owned by the program
    QByteArray m_extraConfig;
    qsizetype m_boxesAtJoin = 0;
    int m_markers = 0;
};
