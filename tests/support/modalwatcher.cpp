#include "tests/support/modalwatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

ModalWatcher::ModalWatcher()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

ModalWatcher::~ModalWatcher() = default;

void ModalWatcher::Then(Answer answer)
{
    m_answers.push_back(std::move(answer));
}

QStringList ModalWatcher::SeenTexts() const
{
    QStringList texts;
    for (const Seen& seen : m_seen)
        texts << seen.text;
    return texts;
}

void ModalWatcher::poll()
{
    // A dialog that was closed and is shown again (the same object) counts as a new one.
    m_handled.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && !m_handled.contains(modal)) {
        m_handled << modal;
        Seen seen{modal->windowTitle(), QString(), modal->objectName()};
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen.text = box->text();
        m_seen << seen;
        if (m_answers.empty()) {
            m_waiting = modal;
            m_waitingPolls = 0;
            m_waitingText = seen.caption + QStringLiteral(" / ") + seen.text;
        } else {
            answer(modal);
        }
        return;
    }
    if (!m_waiting || !m_waiting->isVisible()) {
        m_waiting = nullptr;
        return;
    }
    if (!m_answers.empty()) {
        QWidget* waiting = m_waiting;
        m_waiting = nullptr;
        answer(waiting);
    } else if (++m_waitingPolls * m_timer.interval() >= UnansweredMs) {
        QWidget* waiting = m_waiting;
        m_waiting = nullptr;
        waiting->close();
        const QByteArray message =
            (QStringLiteral("a modal widget nobody answered: ") + m_waitingText).toUtf8();
        if (QTest::currentTestFunction())
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        else
            qFatal("%s", message.constData());
    }
}

void ModalWatcher::answer(QWidget* modal)
{
    Answer next = std::move(m_answers.front());
    m_answers.pop_front();
    next(modal);
}

ModalWatcher::Answer ModalWatcher::ClickBox(int standardButton)
{
    return [standardButton](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY2(box, "expected a message box");
        QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        QVERIFY2(button, "the box lacks the expected button");
        button->click();
    };
}

ModalWatcher::Answer ModalWatcher::ClickBoxWhen(std::function<bool()> condition, int standardButton)
{
    return [condition = std::move(condition), standardButton](QWidget* w) {
        auto* poller = new QTimer(w);
        poller->setInterval(10);
        QObject::connect(poller, &QTimer::timeout, w, [condition, standardButton, w, poller] {
            if (!condition())
                return;
            poller->stop();
            ClickBox(standardButton)(w);
        });
        poller->start();
    };
}

ModalWatcher::Answer ModalWatcher::CloseWindow()
{
    return [](QWidget* w) { w->close(); };
}

ModalWatcher::Answer ModalWatcher::Login(const QString& first, const QString& last, const QString& password)
{
    return [first, last, password](QWidget* w) {
        auto* firstEdit = w->findChild<QLineEdit*>(QStringLiteral("Edit_First"));
        auto* lastEdit = w->findChild<QLineEdit*>(QStringLiteral("Edit_Last"));
        auto* passwordEdit = w->findChild<QLineEdit*>(QStringLiteral("Edit_Passwd"));
        QVERIFY2(firstEdit && lastEdit && passwordEdit, "expected the login dialog");
        firstEdit->clear();
        lastEdit->clear();
        passwordEdit->clear();
        QTest::keyClicks(firstEdit, first);
        QTest::keyClicks(lastEdit, last);
        QTest::keyClicks(passwordEdit, password);
        QTest::keyClick(passwordEdit, Qt::Key_Return);
    };
}

ModalWatcher::Answer ModalWatcher::CancelDialog()
{
    return [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); };
}

ModalWatcher::Answer ModalWatcher::PickCourse(int index, bool viaCloseBox)
{
    return [index, viaCloseBox](QWidget* w) {
        auto* combo = w->findChild<QComboBox*>(QStringLiteral("ComboBox_Course"));
        QVERIFY2(combo, "expected the course dialog");
        combo->setCurrentIndex(index);
        if (viaCloseBox)
            w->close();
        else
            w->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    };
}
