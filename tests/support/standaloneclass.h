#pragma once

// A class context of its own for testing a console feature without the main window or a
// sign-in: a roster, the teacher, a course and a link that is fed lines by the test.
#include "common/core/studentlist.h"
#include "console/link/classcontext.h"
#include "console/link/classlink.h"
#include "tests/support/scriptedpeer.h"

#include <QStringList>

class StandaloneClass final : public Brivane::TClassContext
{
public:
    // The roster as pairs of names; the teacher is Ann Lee.
    explicit StandaloneClass(const QList<QByteArray>& roster = {"Jane", "Doe", "Ann", "Lee", "Bo", "Li"});

    Quillon::TStudentList& Roster() override { return m_roster; }
    Quillon::TStudent& Teacher() override { return m_teacher; }
    const QByteArray& ClassCourse() const override { return m_course; }
    Brivane::TClassLink& Link() override { return m_link; }
    void MarkOnline(const QByteArray& first, const QByteArray& last) override;
    void RemoveFromPushList(const Quillon::TStudent& student) override
    {
        RemovedFromPush << student.FullName();
    }
    // Every status write, in order, as "panel: text".
    void ShowStatus(int panel, const QString& text) override
    {
        StatusWrites << QString::number(panel) + QStringLiteral(": ") + text;
    }

    // Connects the link to a scripted communication server, so what the feature sends reaches it.
    void ConnectTo(ScriptedPeer& server);
    // Hands one line, made of the fields, to the link as if it had arrived.
    void Receive(const QList<QByteArray>& fields) { m_link.HandleLine(Packet(fields)); }

    QList<QByteArray> MarkedOnline;
    QList<QByteArray> RemovedFromPush;
    QStringList StatusWrites;

private:
    Quillon::TStudentList m_roster;
    Quillon::TStudent m_teacher;
    QByteArray m_course = "Algebra";
    Brivane::TClassLink m_link{40};
};
