#pragma once

#include "signinwindow.h"
#include "studentlist.h"

#include <QByteArray>
#include <QList>

#include <memory>

namespace Cortelle {

namespace Ui {
class TForm_Main;
}

// The course office's main window.
class TForm_Main : public Quillon::TSignInWindow
{
    Q_OBJECT

public:
    explicit TForm_Main(QWidget* parent = nullptr);
    ~TForm_Main() override;

    const QList<QByteArray>& ColumnTitles() const { return FColumnTitles; }

protected:
    const QByteArray& CredentialsCode() const override;
    bool AppendsCourseList() const override { return false; }
    bool IgnoresNameServerReadErrors() const override { return true; }
    void HandleNameServerMessage(int code, QByteArray& rest) override;

    void FormCreate();
    void FormDestroy();

    // Run for each titles message and once the roster has been refilled.
    void TitlesArrival(const QList<QByteArray>& columnTitles, const QList<QByteArray>& groupTitleTexts);
    void RosterArrival();

    QList<QByteArray> FColumnTitles;
    QList<QByteArray> FLetter;

private:
    std::unique_ptr<Ui::TForm_Main> ui;
};

} // namespace Cortelle
