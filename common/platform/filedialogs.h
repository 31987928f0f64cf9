#pragma once

#include <QString>

class QWidget;

namespace Quillon {

// What a save-file dialog offers.
struct TSaveFileRequest
{
    QString ObjectName;    // the dialog's object name, so it can be found while it is open
    QString DefaultSuffix; // appended to a name typed without one
    QString NameFilter;    // "RTF file(*.rtf)"
};

// The file dialogs the programs run. Each returns the chosen absolute path, or an empty text
// when the teacher cancelled.
class TFileDialogs
{
public:
    virtual ~TFileDialogs() = default;
    // Replaces an existing file without asking.
    virtual QString SaveFileName(QWidget* parent, const TSaveFileRequest& request) = 0;
    // Any existing file, no type filter.
    virtual QString OpenFileName(QWidget* parent, const QString& objectName) = 0;
};

// Qt's own modal file dialogs.
class TQtFileDialogs final : public TFileDialogs
{
public:
    QString SaveFileName(QWidget* parent, const TSaveFileRequest& request) override;
    QString OpenFileName(QWidget* parent, const QString& objectName) override;
};

} // namespace Quillon
