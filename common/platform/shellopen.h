#pragma once

#include <QString>

namespace Quillon {

// Opens an address or a file with the program the desktop associates with it.
class TShellOpen
{
public:
    virtual ~TShellOpen() = default;
    // Returns at once; the started program runs on its own. `showCommand` is the window state the
    // caller asks for (5 shown, 6 minimized), which the desktop may not honour.
    virtual void Open(const QString& target, int showCommand) = 0;
};

// xdg-open, started directly with the target as its one argument, never through a shell. xdg-open
// knows no window state: the associated program decides how it opens.
class TXdgOpen final : public TShellOpen
{
public:
    explicit TXdgOpen(QString program = QStringLiteral("xdg-open")) : m_program(std::move(program)) {}
    void Open(const QString& target, int showCommand) override;

private:
    QString m_program;
};

} // namespace Quillon
