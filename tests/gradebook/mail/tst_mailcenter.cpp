// The mail centre on the real window, signed in at a scripted name server, mailing through
// libcurl to a real SMTP server (aiosmtpd); the mails are read back by Python's email package.
#include "common/platform/curlmailtransport.h"
#include "gradebook/app/officemainform.h"
#include "gradebook/grid/stringgrid.h"
#include "gradebook/grid/stringgridmodel.h"
#include "gradebook/mail/mailcenterpage.h"
#include "gradebook/mail/msgbox.h"
#include "tests/gradebook/app/officesession.h"
#include "tests/support/smtpsink.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Cortelle::TMailCenterPage;

namespace {

const QString Question = u"You want to Send Email to Selected Students?"_s;
const QString Separator57 = QString(57, u'_');
const QString Closing = u"This mail is powered by Quillon Version 3.1"_s;
const QByteArray TeacherConfig = "[Teacher]\r\nName=Ann Lee\r\nEmail=ann.lee@school.test\r\n";

QString Invalid(const QString& name, const QString& address)
{
    return u"Email of %1 : %2 is invalid. Please uncheck it and try again!"_s.arg(name, address);
}

// Four students under Quiz and Final.
const QList<QByteArray> FourStudents{
    "s1", "Ada", "Byron", "ada@school.test", "B;",  //
    "s2", "Bo",  "Li",    "bo@school.test",  "A;C", //
    "s3", "Cy",  "Young", "cy@school.test",  ";",   //
    "s4", "Dee", "Ray",   "dee@school.test", "D;D",
};

// Clicks "No Problem,Send it" after writing down what the preview showed, page by page ('>').
ModalWatcher::Answer ConfirmPreview(QStringList* seen = nullptr, bool confirm = true)
{
    return [seen, confirm](QWidget* w) {
        auto* to = w->findChild<QLabel*>(u"StaticText_To"_s);
        auto* from = w->findChild<QLabel*>(u"StaticText_From"_s);
        auto* next = w->findChild<QToolButton*>(u"SpeedButton_Next"_s);
        QVERIFY2(to && from && next, "expected the preview");
        if (seen) {
            *seen << from->text() << to->text();
            while (next->isEnabled()) {
                next->click();
                *seen << to->text();
            }
        }
        w->findChild<QPushButton*>(confirm ? u"BitBtn_OK"_s : u"BitBtn_Cancel"_s)->click();
    };
}

class MailOffice
{
public:
    bool Open(const QList<QByteArray>& roster, const SmtpSink::Options& server = {},
              const QByteArray& teacher = TeacherConfig)
    {
        if (!sink.Start(server)) {
            qWarning() << sink.Error();
            return false;
        }
        office.SetMailTransport(std::make_unique<Quillon::TCurlMailTransport>());
        office.AddConfig(sink.Config() + teacher);
        return office.Open("Quiz;Final", "", roster);
    }

    template <typename T> T& Find(const QString& name)
    {
        T* found = office.Form().findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return *found;
    }
    TMailCenterPage& Page() { return *office.Form().findChild<TMailCenterPage*>(); }
    QListWidget& List() { return Find<QListWidget>(u"clbMain"_s); }
    void Tick(std::initializer_list<int> entries)
    {
        for (int entry : entries)
            List().item(entry)->setCheckState(Qt::Checked);
    }
    // Send, Yes, and the preview confirmed; every box after that is answered with OK.
    void SendConfirmed(QStringList* preview = nullptr, int noticesAfter = 0)
    {
        office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        office.Boxes().Then(ConfirmPreview(preview));
        for (int i = 0; i < noticesAfter; ++i)
            office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        Find<QPushButton>(u"BitBtn_Send"_s).click();
    }
    QStringList Recipients()
    {
        QStringList to;
        for (const QJsonValue& m : sink.Messages())
            to << m[u"to"_s].toString();
        return to;
    }
    int BoxCount() { return static_cast<int>(office.Boxes().SeenBoxes().size()); }

    SmtpSink sink;
    OfficeSession office;
};

// A server that waits this long before each of its answers.
SmtpSink::Options SlowServer(double seconds)
{
    SmtpSink::Options options;
    options.DelaySeconds = seconds;
    return options;
}

} // namespace

class TestMailCenter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rosterArrival_listsEveryStudentUnticked_onTheTabInFront()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        QCOMPARE(mail.Find<QTabWidget>(u"PageControl_Main"_s).currentWidget()->objectName(),
                 u"ts_MScenter"_s);
        QCOMPARE(mail.List().count(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(mail.List().item(i)->checkState(), Qt::Unchecked);
        QCOMPARE(mail.List().item(2)->text(), u"Cy Young"_s);
        QVERIFY(mail.Find<QCheckBox>(u"cbxGrade"_s).isChecked());
        QCOMPARE(mail.Page().Settings().FSmtpPort, mail.sink.Port());
        mail.Find<QToolButton>(u"BitBtn1"_s).click(); // SelectAll
        QCOMPARE(mail.Page().FirstCheckedName(), u"Ada Byron"_s);
        mail.Find<QToolButton>(u"BitBtn4"_s).click(); // ClearAll
        QCOMPARE(mail.Page().FirstCheckedName(), QString());
    }

    void nothingTicked_noticeAndNoQuestion()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        mail.office.Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mail.office.Form()));
        mail.office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        // Enter in the subject is the Send button's.
        QLineEdit& subject = mail.Find<QLineEdit>(u"edtSubject"_s);
        subject.setFocus();
        QTest::keyClick(&subject, Qt::Key_Return);
        QTRY_COMPARE(mail.BoxCount(), 3);
        QCOMPARE(mail.office.Boxes().SeenTexts().last(), u"Please Select at least one student!"_s);
        // ... but in a memo it starts a new line of the letter.
        QPlainTextEdit& before = mail.Find<QPlainTextEdit>(u"Memo_Before"_s);
        before.setFocus();
        QTest::keyClicks(&before, u"a"_s);
        QTest::keyClick(&before, Qt::Key_Return);
        QTest::keyClicks(&before, u"b"_s);
        QTest::qWait(100);
        QCOMPARE(before.toPlainText(), u"a\nb"_s);
        QCOMPARE(mail.BoxCount(), 3);
        QCOMPARE(mail.sink.Connections(), 0);
    }

    void declined_opensNoConnection_data()
    {
        QTest::addColumn<bool>("atQuestion");
        QTest::newRow("No to the question") << true;
        QTest::newRow("preview cancelled") << false;
    }
    void declined_opensNoConnection()
    {
        QFETCH(bool, atQuestion);
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        mail.Tick({0, 1});
        mail.office.Boxes().Then(ModalWatcher::ClickBox(atQuestion ? QMessageBox::No : QMessageBox::Yes));
        if (!atQuestion)
            mail.office.Boxes().Then(ConfirmPreview(nullptr, false));
        mail.Find<QPushButton>(u"BitBtn_Send"_s).click();
        QCOMPARE(mail.office.Boxes().SeenTexts().at(2), Question);
        QCOMPARE(mail.BoxCount(), atQuestion ? 3 : 4);
        QTest::qWait(200);
        QCOMPARE(mail.sink.Connections(), 0);
    }

    // The preview pages through every ticked student, starting with the first; confirming mails
    // them all over one connection, from the teacher's bare address.
    void preview_pagesTickedStudents_thenAllAreMailedOverOneConnection()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        mail.Tick({1, 3});
        QStringList preview;
        mail.SendConfirmed(&preview);
        QCOMPARE(preview, (QStringList{u"From:Ann Lee"_s, u"To:Bo Li"_s, u"To:Dee Ray"_s}));
        QVERIFY(mail.sink.WaitForMessages(2));
        const QJsonArray messages = mail.sink.Messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(mail.Recipients(), (QStringList{u"bo@school.test"_s, u"dee@school.test"_s}));
        for (const QJsonValue& m : messages) {
            QCOMPARE(m[u"from"_s].toString(), u"ann.lee@school.test"_s);
            QCOMPARE(m[u"envelope"_s][u"mail_from"_s].toString(), u"ann.lee@school.test"_s);
        }
        QCOMPARE(mail.sink.Connections(), 1);
        QCOMPARE(mail.BoxCount(), 4); // nothing shown when all went out
        QVERIFY(!mail.office.Form().findChild<Cortelle::TForm_MsgBox*>()->isVisible());
    }

    // The grades as the grid shows them, an edit still in the cell editor included, between the
    // memos; a non-ASCII subject; then with the grades unticked, empty memos and an empty subject.
    void letter_showsTheGridAsItStands_thenWithoutGrades()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        auto& tabs = mail.Find<QTabWidget>(u"PageControl_Main"_s);
        tabs.setCurrentIndex(0);
        mail.office.Form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mail.office.Form()));
        Cortelle::TStringGrid& grid = mail.office.Grid();
        grid.setFocus();
        grid.setCurrentIndex(mail.office.Cells().index(3, 3)); // Bo's Quiz
        auto editor = [&grid] { return grid.viewport()->findChild<QLineEdit*>(); };
        QTRY_VERIFY(editor() && editor()->isVisible());
        editor()->selectAll();
        QTest::keyClicks(editor(), u" A+ "_s);
        tabs.setCurrentIndex(1);

        mail.Find<QPlainTextEdit>(u"Memo_Before"_s).setPlainText(u"Hello,\n.\nYour grades:"_s);
        mail.Find<QPlainTextEdit>(u"Memo_After"_s).setPlainText(u"Regards, Ann — 5 €"_s);
        mail.Find<QLineEdit>(u"edtSubject"_s).setText(u"Notes d'été: 5 €"_s);
        mail.Tick({0, 1});
        mail.SendConfirmed();
        QVERIFY(mail.sink.WaitForMessages(2));
        QJsonArray messages = mail.sink.Messages();
        QCOMPARE(messages[0][u"text"_s].toString(),
                 QStringList({u"Dear Ada Byron,"_s, QString(), u"Hello,"_s, u"."_s, u"Your grades:"_s,
                              u"Quiz:B;"_s, u"Final:N/A;"_s, u"Regards, Ann — 5 €"_s, Separator57, Closing})
                         .join(u'\n') +
                     u'\n');
        QVERIFY(messages[1][u"text"_s].toString().contains(u"Your grades:\nQuiz:A+;\nFinal:C;\nRegards"_s));
        const QJsonObject first = messages[0].toObject();
        QCOMPARE(first[u"subject"_s].toString(), u"Notes d'été: 5 €"_s);
        QCOMPARE(first[u"content_type"_s].toString(), u"text/plain"_s);
        QCOMPARE(first[u"mime_version"_s].toString(), u"1.0"_s);
        QVERIFY(!first[u"date"_s].toString().isEmpty());
        QVERIFY(first[u"message_id"_s].toString().startsWith(u'<'));
        QVERIFY(first[u"attachments"_s].toArray().isEmpty());

        mail.Find<QCheckBox>(u"cbxGrade"_s).setChecked(false);
        mail.Find<QPushButton>(u"BitBtn_Clear"_s).click();
        mail.List().item(1)->setCheckState(Qt::Unchecked);
        mail.SendConfirmed();
        QVERIFY(mail.sink.WaitForMessages(3));
        messages = mail.sink.Messages();
        QCOMPARE(messages[2][u"text"_s].toString(),
                 QStringList({u"Dear Ada Byron,"_s, QString(), Separator57, Closing}).join(u'\n') + u'\n');
        QVERIFY(messages[2][u"has_subject"_s].toBool());
        QCOMPARE(messages[2][u"subject"_s].toString(), QString());
    }

    void threeTicked_secondWithoutAddress_twoMailsAndTheBoxNamesAllThree()
    {
        MailOffice mail;
        QVERIFY(mail.Open({"s1", "Ada", "Byron", "ada@school.test", "", //
                           "s2", "Bo", "Li", "", "",                    //
                           "s3", "Cy", "Young", "cy@school.test", ""}));
        QSignalSpy shown(mail.office.Form().findChild<Cortelle::TForm_MsgBox*>(),
                         &Cortelle::TForm_MsgBox::MsgShown);
        mail.Find<QToolButton>(u"BitBtn1"_s).click();
        mail.SendConfirmed();
        QVERIFY(mail.sink.WaitForMessages(2));
        QCOMPARE(mail.Recipients(), (QStringList{u"ada@school.test"_s, u"cy@school.test"_s}));
        QStringList texts;
        for (const QList<QVariant>& args : shown)
            texts << args.at(0).toString();
        QCOMPARE(texts, (QStringList{u"Sending Email..."_s, u"Sending Email to Ada Byron"_s,
                                     u"Sending Email to Bo Li"_s, u"Sending Email to Cy Young"_s}));
        QCOMPARE(mail.BoxCount(), 4);
    }

    void fourTicked_thirdRefused_firstTwoMailedAndTheMessageNamesTheThird()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents, [] {
            SmtpSink::Options o;
            o.RefuseRecipients = {u"cy@school.test"_s};
            return o;
        }()));
        mail.Find<QToolButton>(u"BitBtn1"_s).click();
        mail.SendConfirmed(nullptr, 1);
        QCOMPARE(mail.office.Boxes().SeenTexts().last(), Invalid(u"Cy Young"_s, u"cy@school.test"_s));
        QCOMPARE(mail.Recipients(), (QStringList{u"ada@school.test"_s, u"bo@school.test"_s}));
        QVERIFY(!mail.office.Form().findChild<Cortelle::TForm_MsgBox*>()->isVisible());
        QVERIFY(mail.Find<QPushButton>(u"BitBtn_Send"_s).isEnabled());
    }

    void otherFailure_addsTheReasonOnASecondLine_data()
    {
        QTest::addColumn<bool>("refuseData");
        QTest::addColumn<QString>("reason");
        QTest::newRow("DATA refused") << true << u"554"_s;
        QTest::newRow("dropped inside DATA") << false << QString();
    }
    void otherFailure_addsTheReasonOnASecondLine()
    {
        QFETCH(bool, refuseData);
        QFETCH(QString, reason);
        MailOffice mail;
        SmtpSink::Options server;
        server.RefuseData = refuseData;
        server.DropInData = !refuseData;
        QVERIFY(mail.Open(FourStudents, server));
        mail.Tick({0, 1});
        mail.SendConfirmed(nullptr, 1);
        const QStringList lines = mail.office.Boxes().SeenTexts().last().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], Invalid(u"Ada Byron"_s, u"ada@school.test"_s));
        QVERIFY2(!lines[1].isEmpty() && lines[1].contains(reason), qPrintable(lines[1]));
        QCOMPARE(mail.sink.MessageCount(), 0);
    }

    void attachment_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the field holds only blanks
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        QTest::newRow("blank field, no attachment") << QByteArray();
        QTest::newRow("every byte value, intact") << all + "\r\n.\r\n" + all;
    }
    void attachment()
    {
        QFETCH(QByteArray, content);
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"bytes é.bin"_s);
        if (content.isEmpty()) {
            mail.Find<QLineEdit>(u"edtAttach"_s).setText(u"  \t "_s);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
            file.close();
            auto& dialogs =
                static_cast<Quillon::TRecordingFileDialogs&>(*mail.office.Program().Options.Services.Dialogs);
            dialogs.Answers.push_back(path);
            mail.Find<QToolButton>(u"SpeedButton1"_s).click();
            QCOMPARE(mail.Find<QLineEdit>(u"edtAttach"_s).text(), path);
        }
        mail.Tick({0, 1});
        mail.SendConfirmed();
        QVERIFY(mail.sink.WaitForMessages(2));
        for (const QJsonValue& m : mail.sink.Messages()) {
            QVERIFY(m[u"text"_s].toString().startsWith(u"Dear "_s));
            const QJsonArray attachments = m[u"attachments"_s].toArray();
            QCOMPARE(m[u"multipart"_s].toBool(), !content.isEmpty());
            QCOMPARE(attachments.size(), content.isEmpty() ? 0 : 1);
            if (!content.isEmpty()) {
                QCOMPARE(attachments[0][u"filename"_s].toString(), u"bytes é.bin"_s);
                QCOMPARE(attachments[0][u"encoding"_s].toString(), u"base64"_s);
                QCOMPARE(QByteArray::fromHex(attachments[0][u"hex"_s].toString().toLatin1()), content);
            }
        }
    }

    void unusableAttachment_reportedBeforeConnecting_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << false << u"the file does not exist"_s;
        QTest::newRow("a folder") << true << u"it is a folder, not a file"_s;
    }
    void unusableAttachment_reportedBeforeConnecting()
    {
        QFETCH(bool, folder);
        QFETCH(QString, reason);
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents));
        QTemporaryDir dir;
        const QString path = folder ? dir.path() : dir.filePath(u"gone.pdf"_s);
        mail.Find<QLineEdit>(u"edtAttach"_s).setText(path);
        mail.Tick({0});
        mail.SendConfirmed(nullptr, 1);
        QCOMPARE(mail.office.Boxes().SeenTexts().last(),
                 u"The attachment \"%1\" cannot be sent: %2. Nothing was sent."_s.arg(path, reason));
        QCOMPARE(mail.sink.Connections(), 0);
    }

    void controlCharacters_refusedBeforeConnecting_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QByteArray>("address");
        QTest::addColumn<QByteArray>("teacher");
        QTest::addColumn<QString>("named");
        QTest::newRow("CR LF in the subject")
            << u"Grades\r\nBcc: all@school.test"_s << QByteArray("bo@school.test") << TeacherConfig
            << u"Subject"_s;
        QTest::newRow("LF in the subject")
            << u"a\nb"_s << QByteArray("bo@school.test") << TeacherConfig << u"Subject"_s;
        QTest::newRow("CR in an address")
            << u"Hi"_s << QByteArray("bo@school.test\rRCPT TO:<x@y.test>") << TeacherConfig << u"Bo Li"_s;
        QTest::newRow("control in the teacher's address")
            << u"Hi"_s << QByteArray("bo@school.test")
            << QByteArray("[Teacher]\r\nEmail=ann@school.test\x01\r\n") << u"[Teacher]"_s;
    }
    void controlCharacters_refusedBeforeConnecting()
    {
        QFETCH(QString, subject);
        QFETCH(QByteArray, address);
        QFETCH(QByteArray, teacher);
        QFETCH(QString, named);
        MailOffice mail;
        QVERIFY(mail.Open({"s1", "Ada", "Byron", "ada@school.test", "", "s2", "Bo", "Li", address, ""}, {},
                          teacher));
        mail.Find<QLineEdit>(u"edtSubject"_s).setText(subject);
        mail.Tick({0, 1});
        mail.SendConfirmed(nullptr, 1);
        const QString notice = mail.office.Boxes().SeenTexts().last();
        QVERIFY2(notice.contains(named) && notice.endsWith(u"Nothing was sent."_s), qPrintable(notice));
        QCOMPARE(mail.sink.Connections(), 0);
    }

    // Entries are tied to their students by position, not looked up by their text.
    void namesakesAndBlanksInNames_eachGetTheirOwnLetter()
    {
        MailOffice mail;
        QVERIFY(mail.Open({"s1", "Ann", "Lee", "ann1@school.test", "A;", //
                           "s2", "Ann", "Lee", "ann2@school.test", "B;", //
                           "s3", "Mary Ann", "Lee", "mary@school.test", "C;"}));
        mail.Find<QToolButton>(u"BitBtn1"_s).click();
        QStringList preview;
        mail.SendConfirmed(&preview);
        QCOMPARE(preview,
                 (QStringList{u"From:Ann Lee"_s, u"To:Ann Lee"_s, u"To:Ann Lee"_s, u"To:Mary Ann Lee"_s}));
        QVERIFY(mail.sink.WaitForMessages(3));
        const QJsonArray messages = mail.sink.Messages();
        QCOMPARE(mail.Recipients(),
                 (QStringList{u"ann1@school.test"_s, u"ann2@school.test"_s, u"mary@school.test"_s}));
        QVERIFY(messages[1][u"text"_s].toString().contains(u"Quiz:B;"_s));
        QVERIFY(messages[2][u"text"_s].toString().startsWith(u"Dear Mary Ann Lee,\n"_s));
    }

    // While a slow server answers, the name-server timer ticks, the window answers the name
    // server, and Send stays disabled.
    void slowServer_theWindowGoesOnMeanwhile()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents, SlowServer(0.4)));
        mail.Tick({0, 1});
        QSignalSpy ticks(mail.office.Form().findChild<QTimer*>(u"Timer1"_s), &QTimer::timeout);
        const qsizetype linesBefore = mail.office.LineCount();
        bool answeredDuringRun = false;
        bool sendDisabledDuringRun = true;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (!mail.Page().Running())
                return;
            if (mail.office.LineCount() > linesBefore)
                answeredDuringRun = true;
            if (mail.Find<QPushButton>(u"BitBtn_Send"_s).isEnabled())
                sendDisabledDuringRun = false;
        });
        probe.start(10);
        QTimer::singleShot(500, [&] { mail.office.NameServer().SendLine(Packet({"0"})); });
        QElapsedTimer clock;
        clock.start();
        mail.SendConfirmed();
        const qint64 runMs = clock.elapsed();
        QCOMPARE(mail.sink.MessageCount(), 2);
        QVERIFY2(runMs >= 1500, qPrintable(QString::number(runMs)));
        QVERIFY2(ticks.count() >= runMs / OfficeSession::TickMs / 2,
                 qPrintable(QString::number(ticks.count())));
        QVERIFY(answeredDuringRun);
        QVERIFY(sendDisabledDuringRun);
        QVERIFY(mail.Find<QPushButton>(u"BitBtn_Send"_s).isEnabled());
    }

    void closeDuringARun_endsAfterTheLetterInFlight_thenCloses()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents, SlowServer(0.3)));
        mail.Find<QToolButton>(u"BitBtn1"_s).click();
        QObject::connect(mail.office.Form().findChild<Cortelle::TForm_MsgBox*>(),
                         &Cortelle::TForm_MsgBox::MsgShown, &mail.office.Form(), [&](const QString& text) {
                             if (text == u"Sending Email to Ada Byron"_s)
                                 QTimer::singleShot(100, &mail.office.Form(),
                                                    [&] { mail.office.Form().close(); });
                         });
        mail.office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        mail.office.Boxes().Then(ConfirmPreview());
        mail.office.Boxes().Then(ModalWatcher::ClickBox(QMessageBox::No)); // "Do you want to save grades"
        mail.office.Form().show();
        mail.Find<QPushButton>(u"BitBtn_Send"_s).click();
        QTRY_VERIFY(!mail.office.Form().isVisible());
        QCOMPARE(mail.office.Boxes().SeenTexts().last(), u"Do you want to save grades"_s);
        QCOMPARE(mail.Recipients(), QStringList{u"ada@school.test"_s});
    }

    void refusedGreeting_generalErrorReportAndNoProgressBox()
    {
        MailOffice mail;
        QVERIFY(mail.Open(FourStudents, [] {
            SmtpSink::Options o;
            o.RefuseGreeting = true;
            return o;
        }()));
        QSignalSpy shown(mail.office.Form().findChild<Cortelle::TForm_MsgBox*>(),
                         &Cortelle::TForm_MsgBox::MsgShown);
        mail.Tick({0});
        mail.SendConfirmed(nullptr, 1);
        const QString report = mail.office.Boxes().SeenTexts().last();
        QVERIFY2(report.contains(u"refused the connection"_s) && report.contains(u"554"_s),
                 qPrintable(report));
        QCOMPARE(shown.count(), 0);
        QCOMPARE(mail.sink.MessageCount(), 0);
        QVERIFY(mail.Find<QPushButton>(u"BitBtn_Send"_s).isEnabled());
    }
};

QTEST_MAIN(TestMailCenter)
#include "tst_mailcenter.moc"
