#include "devserver/classsimulation.h"

#include "common/core/ansi.h"
#include "common/core/convert.h"
#include "common/core/error.h"
#include "common/core/studentlist.h"
#include "common/core/wire.h"

#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

// Plain colours 0x00BBGGRR: black, maroon, green, olive, navy, purple, teal, red, blue.
constexpr std::array<int, 9> Colours = {0, 128, 32768, 32896, 8388608, 8388736, 8421376, 255, 16711680};

enum Code : int {
    Identify = 0,
    Push = 1,
    PublicChat = 2,
    Drawing = 3,
    StudentStatus = 4,
    Permission = 5,
    Expression = 7,
    Notice = 8,
    ClassStatus = 9,
    MeetingInformation = 11,
    PrivateToTeacher = 12,
    PrivateChat = 13,
    OnlyPushToTeacher = 14,
    DisablePrivateTalking = 15,
};

char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameFolded(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

QByteArray Number(int value)
{
    return QByteArray::number(value);
}

// A chat text goes on to the class only with a colour and an audio mark that convert.
void CheckChatFields(QByteArray rest)
{
    StrToInt(NextField(rest, FieldSeparator));
    StrToBool(TrimControls(NextField(rest, FieldSeparator)));
}

} // namespace

ClassSimulation::ClassSimulation(const Course& course, const QList<SampleStudent>& roster,
                                 const Chatter& chatter, const ConsoleSignIn& teacher,
                                 const SimulationSettings& settings, Logger& log, QString logSource,
                                 SendFunction send, QObject* parent)
    : QObject(parent), m_course(course), m_chatter(chatter), m_teacher(teacher), m_settings(settings),
      m_log(log), m_logSource(std::move(logSource)), m_send(std::move(send)),
      m_schedule([this](int delayMs, std::function<void()> action) {
          QTimer::singleShot(delayMs, this, std::move(action));
      }),
      m_random(settings.seed != 0 ? settings.seed : QRandomGenerator::global()->generate())
{
    for (const SampleStudent& sample : roster) {
        Student student;
        student.first = sample.first;
        student.last = sample.last;
        student.colour = Number(Colours[m_random.bounded(static_cast<int>(Colours.size()))]);
        m_students.append(student);
    }
}

void ClassSimulation::SetScheduler(ScheduleFunction schedule)
{
    m_schedule = std::move(schedule);
}

void ClassSimulation::Start()
{
    const bool quiet = m_settings.quiet;
    QList<QByteArray> status{Number(ClassStatus), Number(ssHappy)};
    for (Student& student : m_students) {
        student.status = quiet ? ssHappy : ssOffline;
        status << student.first << student.last << Number(student.status);
    }
    SendFromServer(status);
    if (quiet)
        return;
    for (int i = 0; i < m_students.size(); ++i)
        After(500, 15000, [this, i] { Arrive(i); });
    ScheduleNextEvent();
    ScheduleNextNotice();
}

void ClassSimulation::After(int minMs, int maxMs, std::function<void()> action)
{
    const double ms = m_random.bounded(minMs, maxMs + 1) / std::max(m_settings.pace, 0.001);
    m_schedule(static_cast<int>(std::clamp(ms, 1.0, 3600000.0)), std::move(action));
}

void ClassSimulation::SendFrom(const Student& student, const QList<QByteArray>& codeAndFields)
{
    m_send(student.first, student.last, codeAndFields);
}

void ClassSimulation::SendFromServer(const QList<QByteArray>& codeAndFields)
{
    m_send(ServerFirst, ServerLast, codeAndFields);
}

void ClassSimulation::SendChat(const Student& student, int code, const Phrase& phrase, bool audio)
{
    SendFrom(student, {Number(code), student.colour, BoolToStr(audio), JoinLines(phrase)});
}

void ClassSimulation::Arrive(int index)
{
    Student& student = m_students[index];
    if (student.status != ssOffline)
        return;
    student.status = m_random.bounded(ssHappy, ssNo + 1);
    SendFrom(student, {Number(StudentStatus), Number(student.status)});
}

QList<int> ClassSimulation::Matching(const std::function<bool(const Student&)>& predicate) const
{
    QList<int> indices;
    for (int i = 0; i < m_students.size(); ++i) {
        if (predicate(m_students[i]))
            indices.append(i);
    }
    return indices;
}

int ClassSimulation::Pick(const QList<int>& indices)
{
    return indices[m_random.bounded(static_cast<int>(indices.size()))];
}

const Phrase& ClassSimulation::PickPhrase(const QList<Phrase>& phrases)
{
    return phrases[m_random.bounded(static_cast<int>(phrases.size()))];
}

void ClassSimulation::ScheduleNextEvent()
{
    After(1500, 4500, [this] {
        RunEvent();
        ScheduleNextEvent();
    });
}

// Each notice is a box the teacher has to close, so they come on a slow timer of their own
// rather than among the students' events.
void ClassSimulation::ScheduleNextNotice()
{
    if (m_chatter.notices.isEmpty())
        return;
    After(180000, 300000, [this] {
        SendFromServer({Number(Notice), PickPhrase(m_chatter.notices).join(' ')});
        ScheduleNextNotice();
    });
}

void ClassSimulation::RunEvent()
{
    const QList<int> awake =
        Matching([](const Student& s) { return s.status >= ssHappy && s.status <= ssNo; });
    const QList<int> present = Matching([](const Student& s) { return s.status != ssOffline; });
    const QList<int> pushers =
        m_onlyPushToTeacher || m_course.material.isEmpty() ? QList<int>() : Matching([](const Student& s) {
            return s.status >= ssHappy && s.status <= ssNo && s.pushPermission;
        });

    struct Choice
    {
        Event event;
        int weight;
        bool possible;
    };
    const std::array<Choice, 6> choices = {{
        {Event::PublicChat, 30, !awake.isEmpty() && !m_chatter.publicChat.isEmpty()},
        {Event::PrivateChat, 10, !awake.isEmpty() && !m_chatter.privateChat.isEmpty() && !m_privateDisabled},
        {Event::Expression, 25, !present.isEmpty()},
        {Event::FallAsleep, 8, !awake.isEmpty()},
        {Event::Push, 4, !pushers.isEmpty()},
        {Event::Leave, 3, !present.isEmpty()},
    }};
    int total = 0;
    for (const Choice& choice : choices)
        total += choice.possible ? choice.weight : 0;
    if (total == 0)
        return;
    int roll = m_random.bounded(total);
    Event event = Event::Expression;
    for (const Choice& choice : choices) {
        if (!choice.possible)
            continue;
        if (roll < choice.weight) {
            event = choice.event;
            break;
        }
        roll -= choice.weight;
    }

    switch (event) {
    case Event::PublicChat:
        SendChat(m_students[Pick(awake)], PublicChat, PickPhrase(m_chatter.publicChat),
                 m_random.bounded(100) < 15);
        break;
    case Event::PrivateChat:
        SendChat(m_students[Pick(awake)], PrivateToTeacher, PickPhrase(m_chatter.privateChat),
                 m_random.bounded(100) < 10);
        break;
    case Event::Expression: {
        Student& student = m_students[Pick(present)];
        int status = m_random.bounded(ssHappy, ssNo);
        if (status >= student.status)
            ++status; // a different expression than before
        student.status = std::min<int>(status, ssNo);
        SendFrom(student, {Number(StudentStatus), Number(student.status)});
        break;
    }
    case Event::FallAsleep: {
        Student& student = m_students[Pick(awake)];
        student.status = ssAsleep;
        SendFrom(student, {Number(StudentStatus), Number(ssAsleep)});
        break;
    }
    case Event::Push: {
        const Student& student = m_students[Pick(pushers)];
        const QByteArray& address =
            m_course.material[m_random.bounded(static_cast<int>(m_course.material.size()))];
        SendFrom(student, {Number(Push), address, QByteArray(), QByteArray(), BoolToStr(false)});
        break;
    }
    case Event::Leave: {
        const int index = Pick(present);
        m_students[index].status = ssOffline;
        SendFrom(m_students[index], {Number(StudentStatus), Number(ssOffline)});
        After(5000, 20000, [this, index] { Arrive(index); });
        break;
    }
    }
}

void ClassSimulation::OnTeacherMessage(int code, QByteArray rest)
{
    try {
        switch (code) {
        case PublicChat:
            return OnPublicChat(rest);
        case PrivateChat:
            return OnPrivateChat(rest);
        case Permission:
            return OnPermission(rest);
        case Expression: {
            const int expression = StrToInt(NextField(rest, FieldSeparator));
            if (expression < ssHappy || expression > ssNo) {
                m_log.Info(m_logSource, u"ignored: %1 is not an expression (1 to 6)"_s.arg(expression));
                return;
            }
            SendFromServer({Number(Expression), Number(expression)});
            return;
        }
        case OnlyPushToTeacher:
            m_onlyPushToTeacher = StrToBool(TrimControls(NextField(rest, FieldSeparator)));
            m_log.Info(m_logSource, m_onlyPushToTeacher ? u"only the teacher pushes now"_s
                                                        : u"students with permission push again"_s);
            return;
        case DisablePrivateTalking:
            m_privateDisabled = StrToBool(TrimControls(NextField(rest, FieldSeparator)));
            m_log.Info(m_logSource,
                       m_privateDisabled ? u"private talking disabled"_s : u"private talking allowed"_s);
            return;
        case MeetingInformation:
            return OnMeetingInformation(rest);
        case Push:
        case Drawing:
            m_log.Detail(m_logSource, u"relayed to the class"_s);
            return;
        default:
            m_log.Info(m_logSource, u"ignored: code %1 is not a message of the console"_s.arg(code));
        }
    } catch (const Error& error) {
        m_log.Info(m_logSource, u"malformed message ignored: "_s + error.message());
    }
}

void ClassSimulation::OnPublicChat(QByteArray rest)
{
    CheckChatFields(rest);
    // The class sees the teacher's message, and so does the teacher's own transcript.
    m_send(m_teacher.first, m_teacher.last, {Number(PublicChat), rest});
    if (m_settings.quiet || m_chatter.answers.isEmpty())
        return;
    const QList<int> awake =
        Matching([](const Student& s) { return s.status >= ssHappy && s.status <= ssNo; });
    if (awake.isEmpty() || m_random.bounded(100) >= 30)
        return;
    const int index = Pick(awake);
    After(1000, 3000, [this, index] {
        if (m_students[index].status != ssOffline)
            SendChat(m_students[index], PublicChat, PickPhrase(m_chatter.answers), false);
    });
}

void ClassSimulation::OnPrivateChat(QByteArray rest)
{
    const QByteArray recipient = NextField(rest, FieldSeparator);
    CheckChatFields(rest);
    // The teacher's copy: the console shows addressed private chat from senders named Teacher.
    m_send("Teacher", m_teacher.last, {Number(PrivateChat), recipient, rest});
    const int index = FindByFullName(recipient);
    if (index < 0) {
        m_log.Info(m_logSource, u"no student is called "_s + Ansi::ToDisplay(recipient));
        return;
    }
    if (m_students[index].status == ssOffline || m_privateDisabled || m_chatter.answers.isEmpty())
        return;
    if (m_settings.quiet)
        return Answer(index);
    if (m_random.bounded(100) < 70)
        After(1500, 5000, [this, index] { Answer(index); });
}

void ClassSimulation::Answer(int index)
{
    const Student& student = m_students[index];
    if (student.status == ssOffline || m_privateDisabled)
        return;
    SendChat(student, PrivateToTeacher,
             m_settings.quiet ? m_chatter.answers.front() : PickPhrase(m_chatter.answers), false);
}

// The minutes go to the log, each text as typed with "⏎" between its lines.
void ClassSimulation::OnMeetingInformation(QByteArray rest)
{
    auto text = [&rest] {
        QByteArray field = NextField(rest, FieldSeparator);
        QList<QByteArray> lines = ReadLines(field);
        for (QByteArray& line : lines)
            line = UnquoteLine(line);
        return Logger::Readable(lines.join(LineDelimiter));
    };
    const QString purpose = text();
    const QString date = Logger::Readable(NextField(rest, FieldSeparator));
    const QString agenda = text();
    const QString conclusion = text();
    m_log.Info(m_logSource, u"minutes of the meeting on %1: purpose: %2; agenda: %3; conclusion: %4"_s.arg(
                                date, purpose, agenda, conclusion));
}

void ClassSimulation::OnPermission(QByteArray rest)
{
    const QByteArray first = NextField(rest, FieldSeparator);
    const QByteArray last = NextField(rest, FieldSeparator);
    const bool granted = StrToBool(TrimControls(NextField(rest, FieldSeparator)));
    const int index = Find(first, last);
    if (index < 0) {
        m_log.Info(m_logSource, u"no student is called "_s + Ansi::ToDisplay(first + ' ' + last));
        return;
    }
    m_students[index].pushPermission = granted;
    m_log.Info(m_logSource, Ansi::ToDisplay(first + ' ' + last) +
                                (granted ? u" may push now"_s : u" may no longer push"_s));
}

int ClassSimulation::Find(QByteArrayView first, QByteArrayView last) const
{
    for (int i = 0; i < m_students.size(); ++i) {
        if (SameFolded(m_students[i].first, first) && SameFolded(m_students[i].last, last))
            return i;
    }
    return -1;
}

// The whole display name, so that a first name holding a blank still finds its student.
int ClassSimulation::FindByFullName(QByteArrayView name) const
{
    for (int i = 0; i < m_students.size(); ++i) {
        if (SameFolded(m_students[i].first + ' ' + m_students[i].last, name))
            return i;
    }
    return -1;
}

} // namespace Quillon::DevServer
