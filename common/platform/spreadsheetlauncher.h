#pragma once

#include <QString>

namespace Quillon {

// The one way out to the spreadsheet program, so tests can stand in for it.
class TSpreadsheetLauncher
{
public:
    virtual ~TSpreadsheetLauncher() = default;
    // Opens the workbook file as a new, untitled document in front of the teacher; the
    // program runs on its own afterwards. Throws Error when it cannot be started.
    virtual void OpenAsNewDocument(const QString& file) = 0;
};

// LibreOffice Calc: `soffice --calc -n FILE`, started detached with an argument list.
class TCalcLauncher : public TSpreadsheetLauncher
{
public:
    explicit TCalcLauncher(QString program = QStringLiteral("soffice"));
    void OpenAsNewDocument(const QString& file) override;

private:
    QString m_program;
};

} // namespace Quillon
