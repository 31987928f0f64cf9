#include "common/ui/messages.h"

#include "common/core/readabletext.h"
#include "common/ui/application.h"

#include <QMessageBox>
#include <QPushButton>

namespace Quillon {
namespace {

constexpr qsizetype ReadableCaptionChars = 100;

QMessageBox::StandardButton runBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                   const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, Readable(caption, ReadableCaptionChars, 1), QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(Readable(text));
    if (!IsReadable(text))
        box.setDetailedText(text);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return QMessageBox::NoButton;
    return box.standardButton(clicked);
}

} // namespace

void ShowNotice(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::NoIcon, Application().Title(), text, QMessageBox::Ok);
}

void ShowPlainBox(QWidget* parent, const QString& caption, const QString& text)
{
    runBox(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
}

void ShowErrorBox(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Critical, Application().Title(), text, QMessageBox::Ok);
}

TAnswer Ask(QWidget* parent, const QString& text, TQuestion question)
{
    QMessageBox::StandardButtons buttons;
    switch (question) {
    case TQuestion::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case TQuestion::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case TQuestion::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    }
    switch (runBox(parent, QMessageBox::Question, Application().Title(), text, buttons)) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::Ok:
        return TAnswer::Ok;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return question == TQuestion::YesNo ? TAnswer::No : TAnswer::Cancel;
    }
}

} // namespace Quillon
