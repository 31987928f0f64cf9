#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Cortelle {

namespace Ui {
class TForm_MsgBox;
}

// The progress box of a mail run: no border, sky blue, a picture and one bold line that grows to
// fit its text. Shown without waiting; the caller hides it.
class TForm_MsgBox : public QWidget
{
    Q_OBJECT

public:
    explicit TForm_MsgBox(QWidget* parent = nullptr);
    ~TForm_MsgBox() override;

    // Centres the box on the screen, shows text and the box.
    void ShowMsg(const QString& text);

Q_SIGNALS:
    // Every text ShowMsg puts up, in turn.
    void MsgShown(const QString& text);

private:
    std::unique_ptr<Ui::TForm_MsgBox> ui;
};

} // namespace Cortelle
