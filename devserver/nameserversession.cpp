#include "devserver/nameserversession.h"

#include "common/core/ansi.h"
#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/wire.h"
#include "devserver/linepeer.h"
#include "devserver/servercontext.h"
#include "devserver/uploadparser.h"

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

NameServerSession::NameServerSession(LinePeer* peer, ServerContext& context, QObject* parent)
    : QObject(parent), m_peer(peer), m_context(context)
{
    m_peer->setParent(this);
    connect(m_peer, &LinePeer::LineReceived, this, &NameServerSession::OnLine);
    connect(m_peer, &LinePeer::Closed, this, &QObject::deleteLater);
}

void NameServerSession::Start()
{
    Send({QByteArray::number(NameServer::CredentialsRequest)});
}

void NameServerSession::Send(const QList<QByteArray>& payload)
{
    m_peer->Send(BuildPacket(JoinFields(payload)));
}

void NameServerSession::Refuse(const QByteArray& text)
{
    m_context.log.Info(m_peer->Name(), u"refused: "_s + Ansi::ToDisplay(text));
    Send({QByteArray::number(NameServer::Refusal), text});
    m_peer->Close();
}

void NameServerSession::OnLine(const QByteArray& line)
{
    QByteArray rest = line;
    const bool header = CheckHeader(rest);
    if (m_step == Step::Credentials && header) {
        // The password stays out of the log.
        QByteArray shown = rest;
        const QByteArray code = NextField(shown, FieldSeparator);
        const QByteArray first = NextField(shown, FieldSeparator);
        const QByteArray last = NextField(shown, FieldSeparator);
        m_context.log.Message(m_peer->Name(), true, BuildPacket(JoinFields({code, first, last, "****"})));
    } else {
        m_context.log.Message(m_peer->Name(), true, line);
    }
    if (!header) {
        m_context.log.Info(m_peer->Name(), u"dropped: the line does not start with the packet header"_s);
        return;
    }
    switch (m_step) {
    case Step::Credentials:
        return OnCredentials(rest);
    case Step::Course:
        return OnCourse(rest);
    case Step::ConsoleAcknowledgement:
    case Step::OfficeAcknowledgement:
        return OnAcknowledgement(line);
    case Step::Uploads:
        return OnUpload(rest);
    case Step::Done:
        m_context.log.Info(m_peer->Name(), u"ignored: the sign-in is complete"_s);
        return;
    }
}

void NameServerSession::OnCredentials(QByteArray rest)
{
    const QByteArray code = NextField(rest, FieldSeparator);
    m_first = NextField(rest, FieldSeparator);
    m_last = NextField(rest, FieldSeparator);
    const QByteArray password = NextField(rest, FieldSeparator);
    if (code == NameServer::ConsoleCredentialsCode)
        m_client = Client::Console;
    else if (code == NameServer::OfficeCredentialsCode)
        m_client = Client::Office;
    else
        return Refuse("Sign-in refused: credentials code " + code +
                      " is neither 2 (console) nor 3 (course office).");

    const QByteArray who = TrimControls(m_first) + ' ' + TrimControls(m_last);
    m_teacher = m_context.data.FindTeacher(m_first, m_last);
    if (m_teacher == nullptr)
        return Refuse("Sign-in refused: there is no teacher named " + who + ".");
    if (password != m_teacher->password)
        return Refuse("Sign-in refused: wrong password for " + who + ".");

    m_context.log.Info(m_peer->Name(), (m_client == Client::Console ? u"console"_s : u"course office"_s) +
                                           u" of "_s + Ansi::ToDisplay(who) + u" signed in"_s);
    m_step = Step::Course;
    QList<QByteArray> payload{QByteArray::number(NameServer::CourseList)};
    payload.append(m_teacher->courses);
    Send(payload);
}

void NameServerSession::OnCourse(QByteArray rest)
{
    const QByteArray course = NextField(rest, FieldSeparator);
    if (!m_teacher->courses.contains(course))
        return Refuse("Sign-in refused: " + m_teacher->first + ' ' + m_teacher->last + " does not teach \"" +
                      course + "\".");
    m_course = m_context.data.FindCourse(course);
    m_roster = ClassRoster(*m_course, m_context.students);

    if (m_client == Client::Console) {
        m_context.signIns.Add({m_first, m_last, course});
        m_step = Step::ConsoleAcknowledgement;
        Send({QByteArray::number(NameServer::CommServer), m_context.commHost,
              QByteArray::number(m_context.commPort)});
    } else {
        m_step = Step::OfficeAcknowledgement;
        Send({QByteArray::number(NameServer::Titles), m_course->columns.join(ListSeparator),
              m_course->groups.join(ListSeparator)});
    }
}

void NameServerSession::OnAcknowledgement(const QByteArray& line)
{
    if (line != NameServer::AcknowledgementLine()) {
        m_context.log.Info(m_peer->Name(), u"ignored: waiting for the acknowledgement (the header alone)"_s);
        return;
    }
    m_step = m_step == Step::ConsoleAcknowledgement ? Step::Done : Step::Uploads;
    m_peer->Send(RosterLine());
}

QByteArray NameServerSession::RosterLine() const
{
    QList<QByteArray> payload{QByteArray::number(NameServer::Roster)};
    if (m_client == Client::Console) {
        for (const SampleStudent& student : m_roster)
            payload << student.first << student.last;
        return BuildPacket(JoinFields(payload));
    }
    QHash<QByteArray, QByteArray> stored;
    try {
        stored = m_context.store.Load(m_course->name);
    } catch (const Error& error) {
        m_context.log.Info(m_peer->Name(), u"serving the sample grades: "_s + error.message());
    }
    for (const SampleStudent& student : m_roster)
        payload << student.id << student.first << student.last << student.email
                << stored.value(student.id, student.grades);
    return BuildPacket(JoinFields(payload));
}

void NameServerSession::OnUpload(QByteArray rest)
{
    try {
        const QList<GradeRecord> records = ParseGradeUpload(rest, *m_course, m_roster);
        m_context.store.Store(m_course->name, records);
        m_context.log.Info(m_peer->Name(),
                           u"stored the grades of %1 students of %2 in %3"_s.arg(records.size())
                               .arg(Ansi::ToDisplay(m_course->name), m_context.store.FileOf(m_course->name)));
    } catch (const Error& error) {
        m_context.log.Info(m_peer->Name(), u"upload refused, nothing changed: "_s + error.message());
    }
}

} // namespace Quillon::DevServer
