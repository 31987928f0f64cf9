// The "Meeting Information" page on a class of its own: its controls, Clear, and the minutes
// Send writes to a scripted communication server.
#include "console/minutes/meetinginfopage.h"
#include "tests/support/pagecontrols.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/standaloneclass.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;

struct MinutesFixture
{
    StandaloneClass lesson;
    ScriptedPeer server;
    QWidget window;
    TMeetingInfoPage page{lesson, &window};

    MinutesFixture()
    {
        lesson.ConnectTo(server);
        window.resize(784, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    template <typename T = QWidget> T* control(const char* name) const { return FindControl<T>(page, name); }
    QPlainTextEdit* memo(const char* name) const { return control<QPlainTextEdit>(name); }
    QDateEdit* date() const { return control<QDateEdit>("dtsDate"); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
};

class TestMeetingInfoPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_asTheTeacherFindsThem()
    {
        MinutesFixture f;
        QCOMPARE(f.control<QGroupBox>("GroupBox_Meeting")->title(), u"Meeting Information"_s);
        QCOMPARE(f.control<QLabel>("Label_memMPurpose")->text(), u"Purpose:"_s);
        QCOMPARE(f.control<QLabel>("Label_dtsDate")->text(), u"Date:"_s);
        QCOMPARE(f.control<QLabel>("Label_memMAgenda")->text(), u"Agenda"_s);
        QCOMPARE(f.control<QLabel>("Label_memMConclusion")->text(), u"Conclusion"_s);
        for (const char* name : {"memMPurpose", "memMAgenda", "memMConclusion"})
            QCOMPARE(f.memo(name)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(f.date()->calendarPopup());
        QCOMPARE(f.date()->displayedSections(),
                 QDateTimeEdit::DaySection | QDateTimeEdit::MonthSection | QDateTimeEdit::YearSection);
        QCOMPARE(f.control<QAbstractButton>("BitBtn3")->text(), u"Clear"_s);
        QCOMPARE(f.control<QAbstractButton>("BitBtn8")->text(), u"Send"_s);
        f.page.ShowToday();
        QCOMPARE(f.date()->date(), QDate::currentDate());
    }

    void send_writesCode11_textsStay_data()
    {
        QTest::addColumn<QString>("purpose");
        QTest::addColumn<QString>("agenda");
        QTest::addColumn<QString>("conclusion");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("all empty") << QString() << QString() << QString()
                                   << Packet({"11", "", "4 Mar 2026", "", ""});
        // Lines with blanks are quoted; an empty line inside is kept, a line break at the end is not.
        QTest::newRow("multi-line") << u"Plan\nterm two"_s << u"one\n\nthree\n"_s << u"Done"_s
                                    << Packet({"11", "Plan\xC0 term  two ", "4 Mar 2026", "one\xC0\xC0three",
                                               "Done"});
        QTest::newRow("one blank line")
            << u"\n"_s << u"caf\u00e9"_s << u" "_s << Packet({"11", "  ", "4 Mar 2026", "caf\xE9", "    "});
    }

    void send_writesCode11_textsStay()
    {
        QFETCH(QString, purpose);
        QFETCH(QString, agenda);
        QFETCH(QString, conclusion);
        QFETCH(QByteArray, line);
        MinutesFixture f;
        f.memo("memMPurpose")->setPlainText(purpose);
        f.memo("memMAgenda")->setPlainText(agenda);
        f.memo("memMConclusion")->setPlainText(conclusion);
        f.date()->setDate(QDate(2026, 3, 4));
        f.click("BitBtn8");
        QVERIFY(f.server.WaitForLines(1));
        QCOMPARE(f.server.ReceivedLines(), QList<QByteArray>{line});
        QCOMPARE(f.memo("memMAgenda")->toPlainText(), agenda);
    }

    void clear_emptiesTheTexts_dateStays()
    {
        MinutesFixture f;
        for (const char* name : {"memMPurpose", "memMAgenda", "memMConclusion"})
            f.memo(name)->setPlainText(u"some text"_s);
        f.date()->setDate(QDate(2026, 3, 4));
        f.click("BitBtn3");
        for (const char* name : {"memMPurpose", "memMAgenda", "memMConclusion"})
            QVERIFY2(f.memo(name)->toPlainText().isEmpty(), name);
        QCOMPARE(f.date()->date(), QDate(2026, 3, 4));
    }
};

QTEST_MAIN(TestMeetingInfoPage)
#include "test_meetinginfopage.moc"
