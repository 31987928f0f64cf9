#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>

#include <memory>

namespace Ui {
class TForm_Select;
}

namespace Quillon {

// The course dialog: the teacher picks one of the offered courses. It has no Cancel.
class TForm_Select : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_Select(QWidget* parent = nullptr);
    ~TForm_Select() override;

    // With an empty list the dialog is not shown and the course keeps its value. Otherwise the
    // course is the selected entry, trimmed, however the dialog is closed.
    void Execute(const QList<QByteArray>& courses, QByteArray& course);
    // Puts the courses into the dialog, keeping the selected one where it is still offered. A
    // list arriving while the dialog is open comes here, so the teacher chooses from it.
    void ShowCourses(const QList<QByteArray>& courses);

private:
    std::unique_ptr<Ui::TForm_Select> ui;
};

} // namespace Quillon
