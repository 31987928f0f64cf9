#pragma once

#include "devserver/classdata.h"
#include "devserver/servercontext.h"
#include "devserver/signins.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QRandomGenerator>

#include <functional>

namespace Quillon::DevServer {

// The simulated students of one console's class. Paced, they come online over the first
// seconds, chat in public and in private, change expressions, fall asleep, push material when
// they hold permission and leave for a while; the server sends a notice every three to five
// minutes (divided by the pace). Quiet, the whole class is online at once and only the
// teacher's messages get answers.
class ClassSimulation : public QObject
{
    Q_OBJECT

public:
    // One line to the console: the sender's names, then the code and its fields.
    using SendFunction = std::function<void(const QByteArray& first, const QByteArray& last,
                                            const QList<QByteArray>& codeAndFields)>;
    // Runs `action` once, `delayMs` milliseconds from now.
    using ScheduleFunction = std::function<void(int delayMs, std::function<void()> action)>;

    static inline const QByteArray ServerFirst = "Quillon";
    static inline const QByteArray ServerLast = "Server";

    ClassSimulation(const Course& course, const QList<SampleStudent>& roster, const Chatter& chatter,
                    const ConsoleSignIn& teacher, const SimulationSettings& settings, Logger& log,
                    QString logSource, SendFunction send, QObject* parent = nullptr);

    // Replaces the real timers (single-shot QTimers on this object), for example with a
    // simulated clock. Call before Start().
    void SetScheduler(ScheduleFunction schedule);
    // Sends the class status and starts the class.
    void Start();
    // A line from the console after its identification: the code and the rest after it.
    void OnTeacherMessage(int code, QByteArray rest);

private:
    struct Student
    {
        QByteArray first;
        QByteArray last;
        int status = 0; // TStudentStatus
        bool pushPermission = true;
        QByteArray colour;
    };
    enum class Event { PublicChat, PrivateChat, Expression, FallAsleep, Push, Leave };

    void After(int minMs, int maxMs, std::function<void()> action);
    void ScheduleNextEvent();
    void ScheduleNextNotice();
    void RunEvent();
    void Arrive(int index);
    void SendFrom(const Student& student, const QList<QByteArray>& codeAndFields);
    void SendFromServer(const QList<QByteArray>& codeAndFields);
    void SendChat(const Student& student, int code, const Phrase& phrase, bool audio);
    void Answer(int index);
    void OnPublicChat(QByteArray rest);
    void OnPrivateChat(QByteArray rest);
    void OnPermission(QByteArray rest);
    void OnMeetingInformation(QByteArray rest);
    QList<int> Matching(const std::function<bool(const Student&)>& predicate) const;
    int Pick(const QList<int>& indices);
    const Phrase& PickPhrase(const QList<Phrase>& phrases);
    int Find(QByteArrayView first, QByteArrayView last) const;
    int FindByFullName(QByteArrayView name) const;

    const Course& m_course;
    const Chatter& m_chatter;
    ConsoleSignIn m_teacher;
    SimulationSettings m_settings;
    Logger& m_log;
    QString m_logSource;
    SendFunction m_send;
    ScheduleFunction m_schedule;
    QRandomGenerator m_random;
    QList<Student> m_students;
    bool m_onlyPushToTeacher = false;
    bool m_privateDisabled = false;
};

} // namespace Quillon::DevServer
