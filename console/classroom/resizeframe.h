#pragma once

#include <QFrame>

namespace Brivane {

// A frame that tells when its size changes (the classroom panel redraws its picture then).
class TResizeFrame : public QFrame
{
    Q_OBJECT

public:
    explicit TResizeFrame(QWidget* parent = nullptr) : QFrame(parent) {}

Q_SIGNALS:
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace Brivane
