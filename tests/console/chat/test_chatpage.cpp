// The chat page on a class of its own, without the main window or a sign-in: lines handed to its
// link as the communication loop would, the voice recorded.
#include "console/chat/chatpage.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/recordingservices.h"
#include "tests/support/standaloneclass.h"
#include "tests/support/transcriptlines.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Delimiter("\xC0", 1);

} // namespace

// The page on a window of its own, with the class, its voice, dialogs and a box answerer.
struct ChatFixture
{
    StandaloneClass lesson;
    Quillon::TRecordingVoiceFactory voices;
    Quillon::TRecordingFileDialogs dialogs;
    ModalWatcher boxes;
    QWidget window;
    Brivane::TChatPage page{lesson, voices, dialogs, &window};

    template <typename T> T* control(const char* name) const
    {
        T* found = page.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QStringList transcript() const { return TranscriptLines(*control<QTextEdit>("Memo_msg")->document()); }
};

class TestChatPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inbound_appendsHeaderAndPiecesAndSpeaksAudio_data()
    {
        QTest::addColumn<QList<QByteArray>>("fields");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("spoken");
        const QByteArray hiThere = "hi" + Delimiter + "there";
        QTest::newRow("2 from Jane Doe, red")
            << QList<QByteArray>{"Jane", "Doe", "2", "255", "0", hiThere}
            << QStringList{u"b:#ff0000:[Jane Doe]"_s, u":#ff0000:hi"_s, u":#ff0000:there"_s} << QStringList{};
        QTest::newRow("12 from Jane Doe")
            << QList<QByteArray>{"Jane", "Doe", "12", "255", "0", hiThere}
            << QStringList{u"b:#ff0000:[Jane Doe in private]"_s, u":#ff0000:hi"_s, u":#ff0000:there"_s}
            << QStringList{};
        QTest::newRow("12 audio: a blank before each piece")
            << QList<QByteArray>{"Jane", "Doe", "12", "255", "-1", hiThere}
            << QStringList{u"bi:#ff0000:[Audio from Jane Doe in private]"_s, u":#ff0000:hi"_s,
                           u":#ff0000:there"_s}
            << QStringList{u" hi there"_s};
        QTest::newRow("2 audio, mark read after trimming")
            << QList<QByteArray>{"Jane", "Doe", "2", "128", " \t-1 ", hiThere}
            << QStringList{u"bi:#800000:[Audio from Jane Doe]"_s, u":#800000:hi"_s, u":#800000:there"_s}
            << QStringList{u" hi there"_s};
        QTest::newRow("13 from Teacher Roe")
            << QList<QByteArray>{"Teacher", "Roe", "13", "Jane Doe", "128", "0", hiThere}
            << QStringList{u"b:#800000:[Teacher Roe to Jane Doe in private]"_s, u":#800000:hi"_s,
                           u":#800000:there"_s}
            << QStringList{};
        QTest::newRow("13 audio from 'Teacher ' Roe: pieces spoken without blanks, name as received")
            << QList<QByteArray>{"Teacher ", "Roe", "13", "Jane Doe", "16711680", "-1", hiThere}
            << QStringList{u"bi:#0000ff:[Audio Teacher  Roe to Jane Doe in private]"_s, u":#0000ff:hi"_s,
                           u":#0000ff:there"_s}
            << QStringList{u"hithere"_s};
        QTest::newRow("13 from teacher in lower case: nothing")
            << QList<QByteArray>{"teacher", "Roe", "13", "Jane Doe", "128", "-1", hiThere} << QStringList{}
            << QStringList{};
        QTest::newRow("13 from Jane: nothing, its colour never read")
            << QList<QByteArray>{"Jane", "Doe", "13", "Ann Lee", "red", "-1", hiThere} << QStringList{}
            << QStringList{};
        QTest::newRow("quoted pieces unquoted, empty piece kept, trailing empty line not shown")
            << QList<QByteArray>{"Jane",
                                 "Doe",
                                 "2",
                                 "0",
                                 "0",
                                 " caf\xE9  au  lait " + Delimiter + Delimiter + "x" + Delimiter + "  "}
            << QStringList{u"b:#000000:[Jane Doe]"_s, u":#000000:caf\u00e9 au lait"_s, u":#000000:"_s,
                           u":#000000:x"_s}
            << QStringList{};
        QTest::newRow("blank-only audio message: header only, empty text still spoken")
            << QList<QByteArray>{"Jane", "Doe", "2", "0", "-1", "  "}
            << QStringList{u"bi:#000000:[Audio from Jane Doe]"_s} << QStringList{QString()};
        QTest::newRow("message field keeps $$$ and markup stays text")
            << QList<QByteArray>{"Jane", "Doe", "2", "0", "0", "<b>a</b>", "b"}
            << QStringList{u"b:#000000:[Jane Doe]"_s, u":#000000:<b>a</b>$$$b"_s} << QStringList{};
    }
    void inbound_appendsHeaderAndPiecesAndSpeaksAudio()
    {
        QFETCH(QList<QByteArray>, fields);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, spoken);
        ChatFixture chat;
        chat.lesson.Receive(fields);
        QCOMPARE(chat.transcript(), lines);
        QCOMPARE(chat.voices.Spoken(), spoken);
        const bool audioShown = !lines.isEmpty() && lines.constFirst().startsWith(u"bi:"_s);
        QCOMPARE(chat.voices.CreateCount(), audioShown ? 1 : 0);
        QCOMPARE(chat.boxes.SeenTexts(), QStringList{});
        // The sender is marked present, also when nothing is shown.
        QCOMPARE(chat.lesson.MarkedOnline, QList<QByteArray>{fields.at(0) + ' ' + fields.at(1)});
    }

    void send_writesExactLine_data()
    {
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("ALL: code 2") << u"ALL"_s << u"Hello"_s << false << Packet({"2", "128", "0", "Hello"});
        QTest::newRow("a student: code 13 with the display name")
            << u"Jane Doe"_s << u"Hello"_s << true << Packet({"13", "Jane Doe", "128", "-1", "Hello"});
        QTest::newRow("two lines, the second quoted") << u"ALL"_s << u"Good\nmorning all"_s << false
                                                      << Packet({"2", "128", "0", "Good\xC0 morning  all "});
        QTest::newRow("line break at the end starts no line")
            << u"ALL"_s << u"caf\u00e9\n"_s << false << Packet({"2", "128", "0", "caf\xE9"});
        QTest::newRow("empty line inside kept") << u"ALL"_s << u"a\n\nb"_s << false
                                                << Packet({"2", "128", "0",
                                                           "a\xC0\xC0"
                                                           "b"});
    }
    void send_writesExactLine()
    {
        QFETCH(QString, recipient);
        QFETCH(QString, text);
        QFETCH(bool, audio);
        QFETCH(QByteArray, line);
        ScriptedPeer server;
        ChatFixture chat;
        chat.lesson.ConnectTo(server);
        chat.lesson.Roster().Items(0)->SetStatus(Quillon::ssHappy); // Jane Doe is in class
        auto* recipients = chat.control<QComboBox>("ComboBox_Online");
        recipients->showPopup(); // the list is rebuilt as it drops down
        recipients->hidePopup();
        recipients->setCurrentIndex(recipients->findText(recipient));
        QCOMPARE(recipients->currentText(), recipient);
        chat.control<QCheckBox>("chb_Audio")->setChecked(audio);
        chat.control<QPlainTextEdit>("Memo_SendMsg")->setPlainText(text);
        chat.control<QAction>("Action_SendMsg")->trigger();

        QVERIFY(server.WaitForLines(1));
        QCOMPARE(server.ReceivedLines(), QList<QByteArray>{line});
        QVERIFY(server.Received().endsWith(line + "\r\n"));
        QVERIFY(!chat.control<QCheckBox>("chb_Audio")->isChecked());
        QCOMPARE(chat.control<QPlainTextEdit>("Memo_SendMsg")->toPlainText(), QString());
        QCOMPARE(recipients->currentText(), recipient);
        // The console never writes its own messages into the transcript.
        QCOMPARE(chat.transcript(), QStringList{});
    }
};

QTEST_MAIN(TestChatPage)
#include "test_chatpage.moc"
