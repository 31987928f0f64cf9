#include "tests/support/standaloneclass.h"

StandaloneClass::StandaloneClass(const QList<QByteArray>& roster)
{
    for (qsizetype i = 0; i + 1 < roster.size(); i += 2) {
        Quillon::TStudent* student = m_roster.Add();
        student->FFirstName = roster[i];
        student->FLastName = roster[i + 1];
    }
    m_teacher.FFirstName = "Ann";
    m_teacher.FLastName = "Lee";
}

void StandaloneClass::MarkOnline(const QByteArray& first, const QByteArray& last)
{
    MarkedOnline << first + ' ' + last;
    if (Quillon::TStudent* student = m_roster.FindByName(first, last);
        student && student->FStatus == Quillon::ssOffline)
        student->SetStatus(Quillon::ssHappy);
}

void StandaloneClass::ConnectTo(ScriptedPeer& server)
{
    m_link.Connect(QStringLiteral("127.0.0.1"), server.Port());
    server.WaitForClient();
}
