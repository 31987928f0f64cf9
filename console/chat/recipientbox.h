#pragma once

#include <QComboBox>

namespace Brivane {

// The chat's recipient list: it tells when it is about to drop down, so the list can be rebuilt
// from who is online at that moment.
class TRecipientBox final : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        Q_EMIT DroppingDown();
        QComboBox::showPopup();
    }

Q_SIGNALS:
    void DroppingDown();
};

} // namespace Brivane
