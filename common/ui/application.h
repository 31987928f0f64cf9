#pragma once

#include <QString>

namespace Quillon {

// The application object of one program: its title and ending the application from inside.
// A program owns one; while it lives it is the one Application() returns.
class TApplication
{
public:
    explicit TApplication(QString title);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application of the program that lives now; outside any program a process-wide one.
    static TApplication& Current();

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Ends the application as soon as the running handler returns: every event loop, nested modal
    // ones included, is told to stop. No close question is asked; the windows' destroy handlers
    // still run when the program unwinds.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // Runs the message loop until the main window closes or Terminate is called.
    int Run();

private:
    QString m_title;
    bool m_terminated = false;
    bool m_running = false;
    TApplication* m_previous = nullptr;
};

inline TApplication& Application()
{
    return TApplication::Current();
}

} // namespace Quillon
