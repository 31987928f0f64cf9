#pragma once

#include <QByteArray>
#include <QList>

namespace Quillon::DevServer {

// A console that completed its course choice at the name server: the names exactly as it
// sent them and the course it chose. The communication server admits only these.
struct ConsoleSignIn
{
    QByteArray first;
    QByteArray last;
    QByteArray course;

    bool operator==(const ConsoleSignIn&) const = default;
};

class SignInRegistry
{
public:
    void Add(const ConsoleSignIn& signIn)
    {
        if (!m_signIns.contains(signIn))
            m_signIns.append(signIn);
    }
    bool Contains(const ConsoleSignIn& signIn) const { return m_signIns.contains(signIn); }

private:
    QList<ConsoleSignIn> m_signIns;
};

} // namespace Quillon::DevServer
