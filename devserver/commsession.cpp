#include "devserver/commsession.h"

#include "common/core/ansi.h"
#include "common/core/convert.h"
#include "common/core/wire.h"
#include "devserver/classsimulation.h"
#include "devserver/linepeer.h"
#include "devserver/servercontext.h"

using namespace Qt::StringLiterals;

namespace Quillon::DevServer {

namespace {

constexpr int IdentifyCode = 0;
constexpr int IdentificationCode = 2;
constexpr int VerdictCode = 10;

} // namespace

CommSession::CommSession(LinePeer* peer, ServerContext& context, QObject* parent)
    : QObject(parent), m_peer(peer), m_context(context)
{
    m_peer->setParent(this);
    connect(m_peer, &LinePeer::LineReceived, this, &CommSession::OnLine);
    connect(m_peer, &LinePeer::Closed, this, &QObject::deleteLater);
}

CommSession::~CommSession() = default;

void CommSession::Start()
{
    Send(ClassSimulation::ServerFirst, ClassSimulation::ServerLast, {QByteArray::number(IdentifyCode)});
}

void CommSession::Send(const QByteArray& first, const QByteArray& last,
                       const QList<QByteArray>& codeAndFields)
{
    m_peer->Send(BuildPacket(JoinFields(QList<QByteArray>{first, last} + codeAndFields)));
}

void CommSession::OnLine(const QByteArray& line)
{
    m_context.log.Message(m_peer->Name(), true, line);
    QByteArray rest = line;
    if (!CheckHeader(rest)) {
        m_context.log.Info(m_peer->Name(), u"dropped: the line does not start with the packet header"_s);
        return;
    }
    const QByteArray codeField = NextField(rest, FieldSeparator);
    const std::optional<int> code = TryStrToInt(codeField);
    if (!code) {
        m_context.log.Info(m_peer->Name(),
                           u"dropped: the code '%1' is not a number"_s.arg(Ansi::ToDisplay(codeField)));
        return;
    }
    if (m_class)
        m_class->OnTeacherMessage(*code, rest);
    else
        OnIdentification(*code, rest);
}

void CommSession::OnIdentification(int code, QByteArray rest)
{
    if (code != IdentificationCode) {
        m_context.log.Info(m_peer->Name(), u"ignored: the console has not identified yet"_s);
        return;
    }
    ConsoleSignIn teacher;
    teacher.first = NextField(rest, FieldSeparator);
    teacher.last = NextField(rest, FieldSeparator);
    teacher.course = NextField(rest, FieldSeparator);
    const QString who = Ansi::ToDisplay(teacher.first + ' ' + teacher.last + " in " + teacher.course);
    const Course* course = m_context.data.FindCourse(teacher.course);
    if (course == nullptr || !m_context.signIns.Contains(teacher)) {
        m_context.log.Info(m_peer->Name(), u"refused %1: no such sign-in at the name server"_s.arg(who));
        Send(ClassSimulation::ServerFirst, ClassSimulation::ServerLast,
             {QByteArray::number(VerdictCode), AuthenticationFailed});
        m_peer->Close();
        return;
    }
    m_context.log.Info(m_peer->Name(), u"admitted "_s + who);
    Send(ClassSimulation::ServerFirst, ClassSimulation::ServerLast,
         {QByteArray::number(VerdictCode), "Welcome to " + course->name + ", " + TrimControls(teacher.first) +
                                               ' ' + TrimControls(teacher.last) + '!'});
    m_class = std::make_unique<ClassSimulation>(
        *course, ClassRoster(*course, m_context.students), m_context.data.chatter, teacher,
        m_context.simulation, m_context.log, m_peer->Name(),
        [this](const QByteArray& first, const QByteArray& last, const QList<QByteArray>& codeAndFields) {
            Send(first, last, codeAndFields);
        });
    m_class->Start();
}

} // namespace Quillon::DevServer
