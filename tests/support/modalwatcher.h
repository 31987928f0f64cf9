#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

class QMessageBox;

// Answers modal widgets as they open, the way a teacher would: every few milliseconds it looks at
// the active modal widget and hands a new one to the next queued answer. Boxes stay the real ones,
// so the windows' timers keep ticking inside them. A modal widget that no queued answer takes
// within UnansweredMs fails the running test and is closed, so the test neither hangs in it nor
// passes over it.
class ModalWatcher : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(QWidget*)>;

    static constexpr int UnansweredMs = 3000;

    ModalWatcher();
    ~ModalWatcher() override;

    // Queues an answer for the next modal widget that opens.
    void Then(Answer answer);
    // Every modal widget seen so far, in order: its window title and, for a message box, its text.
    struct Seen
    {
        QString caption;
        QString text;
        QString objectName;
    };
    const QList<Seen>& SeenBoxes() const { return m_seen; }
    QStringList SeenTexts() const;
    int Pending() const { return static_cast<int>(m_answers.size()); }

    // Ready-made answers.
    static Answer ClickBox(int standardButton); // a QMessageBox button (QMessageBox::Yes ...)
    // Leaves the box open until the condition holds (checked every few ms), then clicks. The test's
    // own code cannot act on an open box: its wait runs below the box's event loop.
    static Answer ClickBoxWhen(std::function<bool()> condition, int standardButton);
    static Answer CloseWindow(); // the close box
    static Answer Login(const QString& first, const QString& last, const QString& password);
    static Answer CancelDialog();
    static Answer PickCourse(int index, bool viaCloseBox = false);

private:
    void poll();
    void answer(QWidget* modal);

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QList<QPointer<QWidget>> m_handled;
    QList<Seen> m_seen;
    QPointer<QWidget> m_waiting; // the open modal widget no answer has taken yet
    int m_waitingPolls = 0;
    QString m_waitingText;
};
