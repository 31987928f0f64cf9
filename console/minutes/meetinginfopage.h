#pragma once

#include <QWidget>

#include <memory>

namespace Brivane {

namespace Ui {
class TMeetingInfoPage;
}
class TClassContext;

// The "Meeting Information" page: purpose, date, agenda and conclusion of a meeting, sent to the
// class as they stand (code 11).
class TMeetingInfoPage : public QWidget
{
    Q_OBJECT

public:
    TMeetingInfoPage(TClassContext& context, QWidget* parent);
    ~TMeetingInfoPage() override;

    // The date picker set to the current date.
    void ShowToday();

    // --- handlers
    void Action_MeetingInfoClearExecute();
    void Action_MeetingInfoSendExecute();

private:
    std::unique_ptr<Ui::TMeetingInfoPage> ui;
    TClassContext& m_class;
};

} // namespace Brivane
