// The chat room on the console's real window: signed in through a scripted name server, chat
// lines delivered and taken by a scripted communication server, the voice recorded or real, and
// the saved transcript read back by unrtf.
#include "application.h"
#include "apppath.h"
#include "consolesignin.h"
#include "modalwatcher.h"
#include "program.h"
#include "recordingvoice.h"
#include "scriptedpeer.h"
#include "testconfig.h"
#include "texttospeechvoice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using Brivane::TProgram;
using Quillon::Application;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Delimiter("\xC0", 1);

// A voice factory handing out the real flite voice, keeping an eye on it for the test.
class TObservedVoiceFactory final : public Brivane::TVoiceFactory
{
public:
    int created = 0;
    QStringList spoken;
    QStringList failures;

    std::unique_ptr<Brivane::TVoice> Create() override
    {
        auto voice = Brivane::CreateTextToSpeechVoice(Brivane::TTextToSpeechVoiceFactory::DefaultEngine);
        ++created;
        QObject::connect(voice.get(), &Brivane::TTextToSpeechVoice::Spoken,
                         [this](const QString& text) { spoken << text; });
        QObject::connect(
            voice.get(), &Brivane::TTextToSpeechVoice::Failed,
            [this](const QString& text, const QString& reason) { failures << text + u": "_s + reason; });
        return voice;
    }
};

// unrtf's HTML rendering of a file, loaded into a document so its text and formats can be read.
std::unique_ptr<QTextDocument> ReadBackRtf(const QString& path)
{
    QProcess unrtf;
    unrtf.start(u"unrtf"_s, {u"--html"_s, path});
    if (!unrtf.waitForFinished(10000) || unrtf.exitStatus() != QProcess::NormalExit || unrtf.exitCode() != 0)
        return nullptr;
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    return document;
}

} // namespace

class TestChat : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ScriptedPeer> m_nameServer;
    std::unique_ptr<ScriptedPeer> m_commServer;
    std::unique_ptr<ModalWatcher> m_boxes;
    std::unique_ptr<TProgram> m_program;
    Brivane::TRecordingVoiceFactory* m_voices = nullptr; // owned by the window
    qsizetype m_boxesAtJoin = 0;

    Brivane::TForm_Main* window() const { return m_program->Form_Main.get(); }
    template <typename T> T* control(const char* name) const
    {
        T* found = window()->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QTextEdit* transcriptBox() const { return control<QTextEdit>("Memo_msg"); }
    QPlainTextEdit* input() const { return control<QPlainTextEdit>("Memo_SendMsg"); }
    QComboBox* recipients() const { return control<QComboBox>("ComboBox_Online"); }
    QCheckBox* audio() const { return control<QCheckBox>("chb_Audio"); }
    QTimer* timer2() const { return control<QTimer>("Timer2"); }
    QStringList boxesSinceJoin() const { return m_boxes->SeenTexts().mid(m_boxesAtJoin); }

    // Each line of the transcript as "<b><i>:<colour>:<text>", b for bold and i for italic.
    QStringList transcript() const
    {
        QStringList lines;
        const QTextDocument* document = transcriptBox()->document();
        if (document->isEmpty())
            return lines;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            QTextCharFormat format = block.charFormat();
            if (!block.begin().atEnd())
                format = block.begin().fragment().charFormat();
            QString style;
            if (format.fontWeight() >= QFont::Bold)
                style += u'b';
            if (format.fontItalic())
                style += u'i';
            lines << style + u':' + format.foreground().color().name() + u':' + block.text();
        }
        return lines;
    }

    // Signs in as Ann Lee with the roster Jane Doe, Ann Lee, Bo Li and joins the class on the
    // scripted communication server. The voice is recorded unless the test brings its own.
    void joinClass(std::unique_ptr<Brivane::TVoiceFactory> voices = nullptr)
    {
        QVERIFY(WriteTeacherConfig(m_dir.path(), NameServerConfig(m_nameServer->Port())));
        m_program = std::make_unique<TProgram>();
        if (!voices) {
            auto recording = std::make_unique<Brivane::TRecordingVoiceFactory>();
            m_voices = recording.get();
            voices = std::move(recording);
        }
        window()->SetVoiceFactory(std::move(voices));
        Quillon::AppPath = m_dir.path() + QLatin1Char('/');
        m_boxes->Then(ModalWatcher::Login(u"Ann"_s, u"Lee"_s, u"pw"_s));
        window()->show();
        ScriptConsoleSignIn(*m_nameServer, *m_commServer, *m_boxes, {"Algebra"}, 0,
                            {"Jane", "Doe", "Ann", "Lee", "Bo", "Li"});
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY(timer2()->isActive());
        m_boxesAtJoin = m_boxes->SeenBoxes().size();
    }

    // Sends a line from Mark Er with a code that does nothing and waits until the loop has shown
    // it: every line sent before it has then been handled.
    void sendMarkerAndWait()
    {
        m_commServer->SendLine(Packet({"Mark", "Er", "5"}));
        QTRY_COMPARE_WITH_TIMEOUT(window()->PanelText(2), u"Last msg by: Mark Er"_s, 10000);
        // The next marker must be seen anew.
        m_commServer->SendLine(Packet({"Mark", "Done", "5"}));
        QTRY_COMPARE_WITH_TIMEOUT(window()->PanelText(2), u"Last msg by: Mark Done"_s, 10000);
    }

    void deliver(const QList<QByteArray>& fields)
    {
        m_commServer->SendLine(Packet(fields));
        sendMarkerAndWait();
    }

    QStringList dropDownRecipients()
    {
        recipients()->showPopup();
        QStringList items;
        for (int i = 0; i < recipients()->count(); ++i)
            items << recipients()->itemText(i);
        recipients()->hidePopup();
        return items;
    }

    void pickRecipient(const QString& name)
    {
        dropDownRecipients();
        const int index = recipients()->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        recipients()->setCurrentIndex(index);
    }

    void send(const QString& text)
    {
        input()->setPlainText(text);
        control<QAction>("Action_SendMsg")->trigger();
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        Application().Reset(u"Brivane"_s);
        m_nameServer = std::make_unique<ScriptedPeer>();
        m_commServer = std::make_unique<ScriptedPeer>();
        m_boxes = std::make_unique<ModalWatcher>();
        m_voices = nullptr;
    }

    void cleanup()
    {
        m_program.reset();
        m_boxes.reset();
        m_commServer.reset();
        m_nameServer.reset();
        QFile::remove(m_dir.filePath(u"config_teacher.ini"_s));
    }

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
        QTest::newRow("quoted pieces as received, empty piece kept, trailing empty line not shown")
            << QList<QByteArray>{"Jane",
                                 "Doe",
                                 "2",
                                 "0",
                                 "0",
                                 " caf\xE9  au  lait " + Delimiter + Delimiter + "x" + Delimiter + "  "}
            << QStringList{u"b:#000000:[Jane Doe]"_s, u":#000000: caf\u00e9  au  lait "_s, u":#000000:"_s,
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
        joinClass();
        deliver(fields);
        QCOMPARE(transcript(), lines);
        QCOMPARE(m_voices->Spoken(), spoken);
        const bool audioShown = !lines.isEmpty() && lines.constFirst().startsWith(u"bi:"_s);
        QCOMPARE(m_voices->CreateCount(), audioShown ? 1 : 0);
        QCOMPARE(boxesSinceJoin(), QStringList{});
        // The sender is marked present, also when nothing is shown.
        const Quillon::TStudent* sender = window()->Roster().FindByName(fields.at(0), fields.at(1));
        if (sender)
            QCOMPARE(int(sender->FStatus), int(Quillon::ssHappy));
    }

    void inbound_systemColour_drawnInPaletteRole()
    {
        joinClass();
        deliver({"Jane", "Doe", "2", QByteArray::number(qint32(0x80000008u)), "0", "hi"});
        const QString windowText = transcriptBox()->palette().color(QPalette::WindowText).name();
        QCOMPARE(transcript(),
                 (QStringList{u"b:"_s + windowText + u":[Jane Doe]"_s, u":"_s + windowText + u":hi"_s}));
    }

    void inbound_badColourOrAudioMark_reportedNothingAppended_data()
    {
        QTest::addColumn<QList<QByteArray>>("fields");
        QTest::addColumn<QString>("error");
        QTest::newRow("colour red") << QList<QByteArray>{"Jane", "Doe", "2", "red", "0", "hi"}
                                    << u"'red' is not a valid integer value"_s;
        QTest::newRow("audio yes") << QList<QByteArray>{"Jane", "Doe", "12", "255", "yes", "hi"}
                                   << u"'yes' is not a valid boolean value"_s;
        QTest::newRow("13 from Teacher, colour missing")
            << QList<QByteArray>{"Teacher", "Roe", "13", "Jane Doe"} << u"'' is not a valid integer value"_s;
    }
    void inbound_badColourOrAudioMark_reportedNothingAppended()
    {
        QFETCH(QList<QByteArray>, fields);
        QFETCH(QString, error);
        joinClass();
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        deliver(fields);
        QTRY_COMPARE(boxesSinceJoin(), QStringList{error});
        QCOMPARE(transcript(), QStringList{});
        if (fields.at(0) == "Jane")
            QCOMPARE(int(window()->Roster().Items(0)->FStatus), int(Quillon::ssHappy));
        // The loop goes on.
        deliver({"Jane", "Doe", "2", "0", "0", "next"});
        QCOMPARE(transcript(), (QStringList{u"b:#000000:[Jane Doe]"_s, u":#000000:next"_s}));
    }

    void voiceMissing_noticeOnce_laterAudioShownUnspoken()
    {
        joinClass();
        m_voices->FailCreate = true;
        const QString notice = u"To use the Audio function,please go to "
                               u"https://packages.debian.org/bookworm/qt6-speech-flite-plugin"
                               u" download Microsoft Speech API!"_s;
        // The notice stays open until Bo's audio message, which arrives behind it, is shown.
        m_boxes->Then(
            ModalWatcher::ClickBoxWhen([this] { return transcript().size() >= 2; }, QMessageBox::Ok));
        m_commServer->SendLine(Packet({"Jane", "Doe", "2", "0", "-1", "first"}));
        m_commServer->SendLine(Packet({"Bo", "Li", "2", "0", "-1", "second"}));
        sendMarkerAndWait();
        deliver({"Jane", "Doe", "12", "0", "-1", "third"});
        QCOMPARE(boxesSinceJoin(), QStringList{notice});
        QCOMPARE(m_voices->CreateCount(), 1);
        QCOMPARE(m_voices->Spoken(), QStringList{});
        // The message that caused the notice is appended once the notice is closed.
        QCOMPARE(transcript(),
                 (QStringList{u"bi:#000000:[Audio from Bo Li]"_s, u":#000000:second"_s,
                              u"bi:#000000:[Audio from Jane Doe]"_s, u":#000000:first"_s,
                              u"bi:#000000:[Audio from Jane Doe in private]"_s, u":#000000:third"_s}));
    }

    void voice_createdOnceAtFirstAudioMessage_speaksInOrder()
    {
        joinClass();
        deliver({"Jane", "Doe", "2", "0", "0", "plain"});
        QCOMPARE(m_voices->CreateCount(), 0);
        deliver({"Jane", "Doe", "2", "0", "-1", "one"});
        deliver({"Teacher", "Roe", "13", "Bo Li", "0", "-1", "two" + Delimiter + "three"});
        QCOMPARE(m_voices->CreateCount(), 1);
        QCOMPARE(m_voices->Spoken(), (QStringList{u" one"_s, u"twothree"_s}));
    }

    void recipientList_rebuiltFromOnlineStudentsOnEachDropDown()
    {
        joinClass();
        QCOMPARE(recipients()->currentText(), u"ALL"_s);
        QCOMPARE(dropDownRecipients(), QStringList{u"ALL"_s});
        deliver({"Bo", "Li", "4", "3"});
        deliver({"Jane", "Doe", "2", "0", "0", "here"}); // present through her message
        QCOMPARE(dropDownRecipients(), (QStringList{u"ALL"_s, u"Jane Doe"_s, u"Bo Li"_s}));
        QCOMPARE(recipients()->currentText(), u"ALL"_s);

        recipients()->setCurrentIndex(2);
        deliver({"Bo", "Li", "4", "0"});
        QCOMPARE(recipients()->currentText(), u"Bo Li"_s); // kept until the next drop-down
        QCOMPARE(dropDownRecipients(), (QStringList{u"ALL"_s, u"Jane Doe"_s}));
        QCOMPARE(recipients()->currentText(), u"ALL"_s);
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
        joinClass();
        if (recipient != u"ALL"_s) {
            deliver({"Jane", "Doe", "4", "1"});
            pickRecipient(recipient);
        }
        this->audio()->setChecked(audio);
        send(text);
        QVERIFY(m_commServer->WaitForLines(1));
        QCOMPARE(m_commServer->ReceivedLines(), QList<QByteArray>{line});
        QVERIFY(m_commServer->Received().endsWith(line + "\r\n"));
        QVERIFY(!this->audio()->isChecked());
        QCOMPARE(input()->toPlainText(), QString());
        QCOMPARE(recipients()->currentText(), recipient);
        // The console never writes its own messages into the transcript.
        QCOMPARE(transcript(), QStringList{});
    }

    void send_colourFollowsColorBox_ctrlSFromAnyPage()
    {
        joinClass();
        QCOMPARE(input()->palette().color(QPalette::Text), QColor(128, 0, 0));
        auto* colours = control<QComboBox>("ColorBox");
        QCOMPARE(colours->currentData().toInt(), 128);
        colours->setCurrentIndex(colours->findText(u"Red"_s));
        QCOMPARE(input()->palette().color(QPalette::Text), QColor(255, 0, 0));
        colours->setCurrentIndex(colours->findText(u"Button Face"_s));
        QCOMPARE(input()->palette().color(QPalette::Text), input()->palette().color(QPalette::Button));

        control<QTabWidget>("PageControl_Main")->setCurrentIndex(1);
        input()->setPlainText(u"Hi"_s);
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTest::keyClick(window(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(m_commServer->WaitForLines(1));
        QCOMPARE(m_commServer->ReceivedLines().at(0), Packet({"2", "-2147483633", "0", "Hi"}));
        QCOMPARE(input()->toPlainText(), QString());
    }

    void send_emptyRefused_clearEmpties()
    {
        joinClass();
        audio()->setChecked(true);
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        send(u" \n\t\n  "_s);
        QTRY_COMPARE(boxesSinceJoin(), QStringList{u"Can not Send Empty message!"_s});
        QCOMPARE(input()->toPlainText(), u" \n\t\n  "_s);
        QVERIFY(audio()->isChecked());
        control<QAction>("Action_ClearMsg")->trigger();
        QCOMPARE(input()->toPlainText(), QString());
        QVERIFY(audio()->isChecked());
        sendMarkerAndWait();
        QCOMPARE(m_commServer->Received(), QByteArray());
    }

    void send_failedWrite_reportedAndInputKept()
    {
        joinClass();
        timer2()->stop(); // no lost-connection box from the loop
        m_commServer->CloseClient();
        QTest::qWait(300);
        audio()->setChecked(true);
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        send(u"Hello"_s);
        QTRY_COMPARE(boxesSinceJoin().size(), 1);
        QCOMPARE(input()->toPlainText(), u"Hello"_s);
        QVERIFY(audio()->isChecked());
    }

    void close_emptyTranscript_closesWithoutQuestion()
    {
        joinClass();
        QVERIFY(window()->close());
        QVERIFY(!window()->isVisible());
        QCOMPARE(boxesSinceJoin(), QStringList{});
    }

    void close_answers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("chosenPath"); // what the save dialog returns; "-" not asked
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("fileWritten");
        QTest::newRow("Cancel stays open") << int(QMessageBox::Cancel) << u"-"_s << false << false;
        QTest::newRow("No closes") << int(QMessageBox::No) << u"-"_s << true << false;
        QTest::newRow("Yes, save cancelled, closes") << int(QMessageBox::Yes) << QString() << true << false;
        QTest::newRow("Yes, saved, closes") << int(QMessageBox::Yes) << u"saved.rtf"_s << true << true;
    }
    void close_answers()
    {
        QFETCH(int, answer);
        QFETCH(QString, chosenPath);
        QFETCH(bool, closes);
        QFETCH(bool, fileWritten);
        QTemporaryDir files;
        joinClass();
        int dialogs = 0;
        window()->SetSaveDialog([&] {
            ++dialogs;
            return chosenPath.isEmpty() ? QString() : files.filePath(chosenPath);
        });
        deliver({"Jane", "Doe", "2", "0", "0", "hi"});

        m_boxes->Then(ModalWatcher::ClickBox(answer));
        QCOMPARE(window()->close(), closes);
        QCOMPARE(window()->isVisible(), !closes);
        QCOMPARE(boxesSinceJoin(), QStringList{u"Do you want to save the transcript?"_s});
        QCOMPARE(m_boxes->SeenBoxes().constLast().caption, u"Brivane Version 3.1"_s);
        QCOMPARE(dialogs, answer == QMessageBox::Yes ? 1 : 0);
        QCOMPARE(QFileInfo::exists(files.filePath(u"saved.rtf"_s)), fileWritten);
    }

    void close_yesButSaveFails_reportedAndStaysOpen()
    {
        QTemporaryDir files;
        joinClass();
        window()->SetSaveDialog([&] { return files.filePath(u"missing/saved.rtf"_s); });
        deliver({"Jane", "Doe", "2", "0", "0", "hi"});
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        m_boxes->Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        QVERIFY(!window()->close());
        QVERIFY(window()->isVisible());
        QCOMPARE(boxesSinceJoin().size(), 2);
        QVERIFY2(boxesSinceJoin().at(1).startsWith(u"The transcript could not be saved to"_s),
                 qPrintable(boxesSinceJoin().at(1)));
    }

    void close_afterTerminate_neverAsks()
    {
        joinClass();
        deliver({"Jane", "Doe", "2", "0", "0", "hi"});
        Application().Terminate();
        QVERIFY(window()->close());
        QCOMPARE(boxesSinceJoin(), QStringList{});
    }

    void save_realDialog_writesRtfReadBackByUnrtf()
    {
        QTemporaryDir files;
        joinClass();
        deliver({"Jane", "Doe", "2", "255", "0", "{x} \\par caf\xE9"});
        deliver({"Teacher", "Roe", "13", "Jane Doe", "128", "-1", "bye"});
        const QString target = files.filePath(u"lesson.rtf"_s);
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old transcript");
        }
        m_boxes->Then([&](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            QVERIFY2(dialog, "expected the save dialog");
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->defaultSuffix(), u"rtf"_s);
            QCOMPARE(dialog->nameFilters(), QStringList{u"RTF file(*.rtf)"_s});
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->setDirectory(files.path());
            auto* name = dialog->findChild<QLineEdit*>(u"fileNameEdit"_s);
            QVERIFY2(name, "expected Qt's own file dialog");
            name->setText(u"lesson"_s);
            QTest::keyClick(name, Qt::Key_Return);
        });
        control<QAction>("Action_Record")->trigger();
        QCOMPARE(boxesSinceJoin().size(), 1); // the dialog only: no overwrite question

        const auto back = ReadBackRtf(target);
        QVERIFY2(back, "unrtf could not read the saved transcript");
        const QStringList lines = back->toPlainText().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, (QStringList{u"[Jane Doe]"_s, u"{x} \\par caf\u00e9"_s,
                                     u"[Audio Teacher Roe to Jane Doe in private]"_s, u"bye"_s}));
        const auto formatOf = [&back](const QString& text) {
            QTextCursor cursor = back->find(text, 0, QTextDocument::FindCaseSensitively);
            cursor.setPosition(cursor.selectionStart() + 1);
            const QTextCharFormat format = cursor.charFormat();
            QString style = format.fontWeight() > QFont::Medium ? u"b"_s : QString();
            if (format.fontItalic())
                style += u'i';
            return style + u':' + format.foreground().color().name();
        };
        QCOMPARE(formatOf(u"[Jane Doe]"_s), u"b:#ff0000"_s);
        QCOMPARE(formatOf(u"{x}"_s), u":#ff0000"_s);
        QCOMPARE(formatOf(u"[Audio Teacher"_s), u"bi:#800000"_s);
        QCOMPARE(formatOf(u"bye"_s), u":#800000"_s);
    }

    void realVoice_createdThroughWindow_speaksWithoutError()
    {
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        const QString socket = runtime.filePath(u"native"_s);
        QProcess pulse;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, runtime.path());
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        env.insert(u"XDG_CONFIG_HOME"_s, runtime.path());
        env.remove(u"PULSE_SERVER"_s);
        pulse.setProcessEnvironment(env);
        pulse.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        pulse.start(u"pulseaudio"_s,
                    {u"-n"_s, u"--daemonize=no"_s, u"--use-pid-file=no"_s, u"--exit-idle-time=20"_s,
                     u"--log-target=stderr"_s, u"--log-level=error"_s,
                     u"--load=module-null-sink sink_name=silent"_s,
                     u"--load=module-native-protocol-unix auth-anonymous=1 socket="_s + socket});
        QVERIFY2(pulse.waitForStarted(5000), "pulseaudio did not start (scripts/setup-deps.sh installs it)");
        const auto stopPulse = qScopeGuard([&pulse] {
            pulse.terminate();
            if (!pulse.waitForFinished(5000))
                pulse.kill();
            pulse.waitForFinished(5000);
            qunsetenv("PULSE_SERVER");
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 10000);
        qputenv("PULSE_SERVER", (u"unix:"_s + socket).toUtf8());

        auto observed = std::make_unique<TObservedVoiceFactory>();
        TObservedVoiceFactory* factory = observed.get();
        joinClass(std::move(observed));
        deliver({"Jane", "Doe", "2", "0", "-1", "hello" + Delimiter + "there"});
        QCOMPARE(boxesSinceJoin(), QStringList{});
        QCOMPARE(factory->created, 1);
        QTRY_COMPARE_WITH_TIMEOUT(factory->spoken.size() + factory->failures.size(), 1, 15000);
        QCOMPARE(factory->failures, QStringList{});
        QCOMPARE(factory->spoken, QStringList{u" hello there"_s});
    }
};

QTEST_MAIN(TestChat)
#include "test_chat.moc"
