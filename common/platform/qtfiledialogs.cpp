#include "common/platform/filedialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace Quillon {

namespace {

QString RunDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace

QString TQtFileDialogs::SaveFileName(QWidget* parent, const TSaveFileRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(request.ObjectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.setNameFilter(request.NameFilter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return RunDialog(dialog);
}

QString TQtFileDialogs::OpenFileName(QWidget* parent, const QString& objectName)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog);
}

} // namespace Quillon
