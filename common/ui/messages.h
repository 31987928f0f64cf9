#pragma once

#include <QString>

class QWidget;

// Notices and questions: modal boxes captioned with the application title. Texts are always shown
// as plain text, never interpreted as markup.
namespace Quillon {

enum class TAnswer { Ok, Cancel, Yes, No };
enum class TQuestion { YesNo, YesNoCancel, OkCancel };

// A notice with one OK button and no icon.
void ShowNotice(QWidget* parent, const QString& text);
// A box with one OK button and no icon, under a caption of its own.
void ShowPlainBox(QWidget* parent, const QString& caption, const QString& text);
// An error box (general error report).
void ShowErrorBox(QWidget* parent, const QString& text);
// A confirmation; dismissing it without a choice gives its negative answer (No or Cancel).
TAnswer Ask(QWidget* parent, const QString& text, TQuestion buttons);

} // namespace Quillon
