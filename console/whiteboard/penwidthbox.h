#pragma once

#include <QSpinBox>

class QKeyEvent;

namespace Brivane {

// The pen width: its edit is `PenSize`, the box itself the up-down `PenWidth`. The arrow keys do
// not step it; only its arrow buttons and typing change the width.
class TPenWidthBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit TPenWidthBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace Brivane
