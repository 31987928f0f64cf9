// Message boxes, the general error report and window centring.
#include "common/core/error.h"
#include "common/ui/application.h"
#include "common/ui/centerform.h"
#include "common/ui/errorreport.h"
#include "common/ui/messages.h"
#include "tests/support/modalwatcher.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

using namespace Quillon;

class TestUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<Quillon::TApplication> m_app;

private Q_SLOTS:
    void init() { m_app = std::make_unique<Quillon::TApplication>(QStringLiteral("Brivane Version 3.1")); }
    void cleanup() { m_app.reset(); }

    void centeredPosition_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("200x100 on 1024x768") << QSize(1024, 768) << QSize(200, 100) << QPoint(412, 334);
        QTest::newRow("odd width truncates") << QSize(1024, 768) << QSize(201, 100) << QPoint(411, 334);
        QTest::newRow("larger than screen") << QSize(1024, 768) << QSize(1101, 800) << QPoint(-38, -16);
    }
    void centeredPosition()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(CenteredPosition(screen, window), topLeft);
    }

    void guarded_showsErrorTextAndCarriesOn()
    {
        ModalWatcher boxes;
        boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        bool before = false;
        bool after = false;
        Guarded(nullptr, [&] {
            before = true;
            throw ConvertError(QStringLiteral("'50x0' is not a valid integer value"));
            after = true; // never reached
        });
        Guarded(nullptr, [] { throw std::runtime_error("disk full"); });
        QVERIFY(before);
        QVERIFY(!after);
        QCOMPARE(boxes.SeenTexts(), (QStringList{QStringLiteral("'50x0' is not a valid integer value"),
                                                 QStringLiteral("disk full")}));
        QCOMPARE(boxes.SeenBoxes().at(0).caption, QStringLiteral("Brivane Version 3.1"));
    }

    void notice_showsMarkupAsPlainText()
    {
        ModalWatcher boxes;
        Qt::TextFormat format = Qt::AutoText;
        boxes.Then([&format](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        ShowNotice(nullptr, QStringLiteral("<b>Hello</b>"));
        QCOMPARE(boxes.SeenTexts(), QStringList{QStringLiteral("<b>Hello</b>")});
        QCOMPARE(format, Qt::PlainText);
    }

    void question_dismissedGivesNegativeAnswer_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes/no") << int(TQuestion::YesNo) << int(TAnswer::No);
        QTest::newRow("yes/no/cancel") << int(TQuestion::YesNoCancel) << int(TAnswer::Cancel);
        QTest::newRow("ok/cancel") << int(TQuestion::OkCancel) << int(TAnswer::Cancel);
    }
    void question_dismissedGivesNegativeAnswer()
    {
        QFETCH(int, question);
        QFETCH(int, answer);
        ModalWatcher boxes;
        boxes.Then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(int(Ask(nullptr, QStringLiteral("Sure?"), TQuestion(question))), answer);
    }

    void question_choiceComesBack()
    {
        ModalWatcher boxes;
        boxes.Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        boxes.Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QCOMPARE(Ask(nullptr, QStringLiteral("Save?"), TQuestion::YesNoCancel), TAnswer::Yes);
        QCOMPARE(Ask(nullptr, QStringLiteral("Export?"), TQuestion::OkCancel), TAnswer::Ok);
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
