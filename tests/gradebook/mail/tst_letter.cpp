// The mail centre's widget-free parts: the letter, the settings and the checks of what a mail
// can carry.
#include "common/core/ansi.h"
#include "common/platform/mailtransport.h"
#include "gradebook/grid/stringgridmodel.h"
#include "gradebook/mail/letter.h"
#include "gradebook/mail/mailchecks.h"
#include "gradebook/mail/mailsettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Cortelle;

namespace {

using Lines = QList<QByteArray>;
const QByteArray Sep55(55, '_');
const QByteArray Sep57(57, '_');

} // namespace

class TestLetter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void letter_data()
    {
        QTest::addColumn<Lines>("before");
        QTest::addColumn<Lines>("after");
        QTest::addColumn<bool>("grades");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<Lines>("expected");
        QTest::newRow("Quiz:B; and Final:N/A; between the memos")
            << Lines{"Hello", ""} << Lines{"Bye"} << true << false
            << Lines{"Dear Ann Lee,", "", "Hello", "", "Quiz:B;", "Final:N/A;", "Bye", Sep57, LetterClosing};
        QTest::newRow("grades unticked, though the grid has grades")
            << Lines{"Hello"} << Lines{"Bye"} << false << false
            << Lines{"Dear Ann Lee,", "", "Hello", "Bye", Sep57, LetterClosing};
        QTest::newRow("empty memos, grades unticked")
            << Lines{} << Lines{} << false << false << Lines{"Dear Ann Lee,", "", Sep57, LetterClosing};
        QTest::newRow("the preview's separator")
            << Lines{} << Lines{} << true << true
            << Lines{"Dear Ann Lee,", "", "Quiz:B;", "Final:N/A;", Sep55, LetterClosing};
    }
    void letter()
    {
        QFETCH(Lines, before);
        QFETCH(Lines, after);
        QFETCH(bool, grades);
        QFETCH(bool, preview);
        QFETCH(Lines, expected);
        TStringGridModel grid;
        grid.SetColCount(5);
        grid.SetRowCount(3);
        grid.SetCells(3, 2, " B ");
        grid.SetCells(4, 2, "  ");
        Quillon::TStudent ann;
        ann.FFirstName = "Ann";
        ann.FLastName = "Lee";
        ann.FGradeRow = grid.GradeRow(2);
        QCOMPARE(BuildLetter(ann, {"Quiz", "Final"}, {before, after, grades},
                             preview ? TLetterCopy::Preview : TLetterCopy::Mail),
                 expected);
    }

    void memoLines()
    {
        QCOMPARE(MemoLines(QString()), Lines{});
        QCOMPARE(MemoLines(u"a\n\nb €"_s), (Lines{"a", "", "b \x80"}));
        QCOMPARE(LetterBody({"Prix: 5 \x80", "fin"}), u"Prix: 5 €\r\nfin\r\n"_s);
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("ini"); // empty: no file
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("email");
        QTest::newRow("no file") << QByteArray() << DefaultSmtpHost << 25 << QByteArray("QuillonTool")
                                 << DefaultTeacherEmail;
        QTest::newRow("every key") << QByteArray("[SMTP]\nServer=mail.test\nPort=2525\n[Teacher]\nName=Ann "
                                                 "Lee\nEmail=ann@school.test\n")
                                   << QByteArray("mail.test") << 2525 << QByteArray("Ann Lee")
                                   << QByteArray("ann@school.test");
        QTest::newRow("port not an integer") << QByteArray("[SMTP]\nPort=twenty-five\n") << DefaultSmtpHost
                                             << 25 << QByteArray("QuillonTool") << DefaultTeacherEmail;
    }
    void settings()
    {
        QFETCH(QByteArray, ini);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config_teacher.ini"_s);
        if (!ini.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
        }
        const TMailSettings settings = ReadMailSettings(path);
        QTEST(settings.FSmtpHost, "host");
        QTEST(settings.FSmtpPort, "port");
        QTEST(settings.FTeacherName, "name");
        QTEST(settings.FTeacherEmail, "email");
    }

    void headerTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::newRow("plain") << u"Grades"_s << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("euro and accents") << u"Notes d'été – 5 €"_s << true;
        QTest::newRow("CR LF") << u"a\r\nBcc: x@y"_s << false;
        QTest::newRow("LF") << u"a\nb"_s << false;
        QTest::newRow("tab") << u"a\tb"_s << false;
        QTest::newRow("DEL") << u"a\u007Fb"_s << false;
        QTest::newRow("C1 control from an undefined byte") << u"a\u0081b"_s << false;
    }
    void headerTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QCOMPARE(!SubjectProblem(text).has_value(), fits);
        QCOMPARE(!AddressProblem(u"Ann Lee"_s, text).has_value(), fits);
        if (!fits)
            QVERIFY(AddressProblem(u"Ann Lee"_s, text)->contains(u"Ann Lee"_s));
        TMailSettings settings{"mail.test", 25, "Ann", Quillon::Ansi::ToWire(text)};
        QCOMPARE(!SettingsProblem(settings).has_value(), fits);
    }

    void settingsProblems_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("fits");
        QTest::newRow("host and port") << QByteArray("127.0.0.1") << 2525 << true;
        QTest::newRow("empty host") << QByteArray() << 25 << false;
        QTest::newRow("a path in the host") << QByteArray("mail.test/x") << 25 << false;
        QTest::newRow("port 0") << QByteArray("mail.test") << 0 << false;
        QTest::newRow("port 65536") << QByteArray("mail.test") << 65536 << false;
    }
    void settingsProblems()
    {
        QFETCH(QByteArray, host);
        QFETCH(int, port);
        QFETCH(bool, fits);
        QCOMPARE(!SettingsProblem({host, port, "Ann", "ann@school.test"}).has_value(), fits);
    }

    void namesAttachment()
    {
        QVERIFY(!NamesAttachment(QString()));
        QVERIFY(!NamesAttachment(u" \t \u0001"_s));
        QVERIFY(NamesAttachment(u" /tmp/a "_s));
    }

    void failedSendMessage()
    {
        using Quillon::MailError;
        const QString refused =
            FailedSendMessage(u"Cy Young"_s, u"cy@school.test"_s,
                              MailError(MailError::TKind::RecipientRefused, u"RCPT failed: 550"_s));
        QCOMPARE(refused,
                 u"Email of Cy Young : cy@school.test is invalid. Please uncheck it and try again!"_s);
        const QString lost = FailedSendMessage(u"Cy Young"_s, u"cy@school.test"_s,
                                               MailError(MailError::TKind::Other, u"Connection lost"_s));
        QCOMPARE(lost, refused + u"\nConnection lost"_s);
    }
};

QTEST_MAIN(TestLetter)
#include "tst_letter.moc"
