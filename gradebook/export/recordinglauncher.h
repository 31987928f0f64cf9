#pragma once

#include "spreadsheetlauncher.h"

#include <QStringList>

namespace Cortelle {

// For tests: remembers every file it was asked to open and starts nothing.
class TRecordingSpreadsheetLauncher : public TSpreadsheetLauncher
{
public:
    void OpenAsNewDocument(const QString& file) override { Opened.append(file); }

    QStringList Opened;
};

} // namespace Cortelle
