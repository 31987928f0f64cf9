#pragma once

#include <QString>

namespace Quillon {

// The application object both programs share: its title and ending the application from inside.
class TApplication
{
public:
    static TApplication& Instance();

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Ends the application as soon as the running handler returns: every event loop, nested modal
    // ones included, is told to stop. No close question is asked; the windows' destroy handlers
    // still run when main() unwinds.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // Runs the message loop until the main window closes or Terminate is called.
    int Run();

    // For tests that build several programs in one process.
    void Reset(const QString& title);

private:
    QString m_title;
    bool m_terminated = false;
    bool m_running = false;
};

inline TApplication& Application()
{
    return TApplication::Instance();
}

} // namespace Quillon
