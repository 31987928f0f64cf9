// The chat room on the console's real window: signed in through a scripted name server, chat
// lines delivered and taken by a scripted communication server, the voice recorded or real, and
// the saved transcript read back by unrtf.
#include "common/platform/texttospeechvoice.h"
#include "common/ui/application.h"
#include "tests/support/consolesession.h"
#include "tests/support/rtfreadback.h"
#include "tests/support/soundserver.h"
#include "tests/support/transcriptlines.h"

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
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using Quillon::Application;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Delimiter("\xC0", 1);

// A voice factory handing out the real flite voice, keeping an eye on it for the test.
class TObservedVoiceFactory final : public Quillon::TVoiceFactory
{
public:
    int created = 0;
    QStringList spoken;
    QStringList failures;

    std::unique_ptr<Quillon::TVoice> Create() override
    {
        auto voice = Quillon::CreateTextToSpeechVoice(Quillon::TTextToSpeechVoiceFactory::DefaultEngine);
        ++created;
        QObject::connect(voice.get(), &Quillon::TTextToSpeechVoice::Spoken,
                         [this](const QString& text) { spoken << text; });
        QObject::connect(
            voice.get(), &Quillon::TTextToSpeechVoice::Failed,
            [this](const QString& text, const QString& reason) { failures << text + u": "_s + reason; });
        return voice;
    }
};

} // namespace

class TestChat : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConsoleSession> m_session;
    Quillon::TRecordingVoiceFactory* m_voices = nullptr; // owned by the program

    Brivane::TForm_Main* window() const { return &m_session->Form(); }
    template <typename T> T* control(const char* name) const
    {
        return m_session->Control<T>(QString::fromLatin1(name));
    }
    QTextEdit* transcriptBox() const { return control<QTextEdit>("Memo_msg"); }
    QPlainTextEdit* input() const { return control<QPlainTextEdit>("Memo_SendMsg"); }
    QComboBox* recipients() const { return control<QComboBox>("ComboBox_Online"); }
    QCheckBox* audio() const { return control<QCheckBox>("chb_Audio"); }
    QTimer* timer2() const { return m_session->Timer2(); }
    QStringList boxesSinceJoin() const { return m_session->BoxesSinceJoin(); }

    QStringList transcript() const { return TranscriptLines(*transcriptBox()->document()); }

    // Signs in as Ann Lee with the roster Jane Doe, Ann Lee, Bo Li and joins the class on the
    // scripted communication server. The voice is recorded unless the test brings its own.
    void joinClass(std::unique_ptr<Quillon::TVoiceFactory> voices = nullptr,
                   std::unique_ptr<Quillon::TFileDialogs> dialogs = nullptr)
    {
        Quillon::TPlatformServices services;
        services.Voice = std::move(voices);
        services.Dialogs = std::move(dialogs);
        m_session->Create(std::move(services));
        m_voices = m_session->Voices();
        m_session->JoinClass();
    }

    void sendMarkerAndWait() { m_session->SendMarkerAndWait(); }
    void deliver(const QList<QByteArray>& fields) { m_session->Deliver(fields); }

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
        m_session = std::make_unique<ConsoleSession>();
        m_voices = nullptr;
    }

    void cleanup() { m_session.reset(); }

    // The page's own test holds the table of messages; this one shows the loop's lines reach it.
    void inbound_throughTheLoop_shownSpokenSenderPresent()
    {
        joinClass();
        deliver({"Jane", "Doe", "2", "255", "-1", "hi" + Delimiter + " I  have  a  question "});
        QCOMPARE(transcript(), (QStringList{u"bi:#ff0000:[Audio from Jane Doe]"_s, u":#ff0000:hi"_s,
                                            u":#ff0000:I have a question"_s}));
        QCOMPARE(m_voices->Spoken(), QStringList{u" hi I have a question"_s});
        QCOMPARE(int(window()->Roster().Items(0)->FStatus), int(Quillon::ssHappy));
        QCOMPARE(boxesSinceJoin(), QStringList{});
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
        m_session->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        deliver(fields);
        QTRY_COMPARE(boxesSinceJoin(), QStringList{error});
        QCOMPARE(transcript(), QStringList{});
        // A sender in the roster is marked present before the bad field is read.
        QCOMPARE(int(window()->Roster().Items(0)->FStatus),
                 int(fields.at(0) == "Jane" ? Quillon::ssHappy : Quillon::ssOffline));
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
                               u" download qt6-speech-flite-plugin!"_s;
        // The notice stays open until Bo's audio message, which arrives behind it, is shown.
        m_session->Boxes().Then(
            ModalWatcher::ClickBoxWhen([this] { return transcript().size() >= 2; }, QMessageBox::Ok));
        m_session->CommServer().SendLine(Packet({"Jane", "Doe", "2", "0", "-1", "first"}));
        m_session->CommServer().SendLine(Packet({"Bo", "Li", "2", "0", "-1", "second"}));
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
        QVERIFY(m_session->CommServer().WaitForLines(1));
        QCOMPARE(m_session->CommServer().ReceivedLines().at(0), Packet({"2", "-2147483633", "0", "Hi"}));
        QCOMPARE(input()->toPlainText(), QString());
    }

    void send_emptyRefused_clearEmpties()
    {
        joinClass();
        audio()->setChecked(true);
        m_session->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
        send(u" \n\t\n  "_s);
        QTRY_COMPARE(boxesSinceJoin(), QStringList{u"Can not Send Empty message!"_s});
        QCOMPARE(input()->toPlainText(), u" \n\t\n  "_s);
        QVERIFY(audio()->isChecked());
        control<QAction>("Action_ClearMsg")->trigger();
        QCOMPARE(input()->toPlainText(), QString());
        QVERIFY(audio()->isChecked());
        sendMarkerAndWait();
        QCOMPARE(m_session->CommServer().Received(), QByteArray());
    }

    void send_failedWrite_reportedAndInputKept()
    {
        joinClass();
        timer2()->stop(); // no lost-connection box from the loop
        m_session->CommServer().CloseClient();
        QTest::qWait(300);
        audio()->setChecked(true);
        m_session->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
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
        m_session->Dialogs()->Answers.push_back(chosenPath.isEmpty() ? QString()
                                                                     : files.filePath(chosenPath));
        deliver({"Jane", "Doe", "2", "0", "0", "hi"});

        m_session->Boxes().Then(ModalWatcher::ClickBox(answer));
        QCOMPARE(window()->close(), closes);
        QCOMPARE(window()->isVisible(), !closes);
        QCOMPARE(boxesSinceJoin(), QStringList{u"Do you want to save the transcript?"_s});
        QCOMPARE(m_session->Boxes().SeenBoxes().constLast().caption, u"Brivane Version 3.1"_s);
        QCOMPARE(m_session->Dialogs()->SaveRequests.size(), answer == QMessageBox::Yes ? 1 : 0);
        QCOMPARE(QFileInfo::exists(files.filePath(u"saved.rtf"_s)), fileWritten);
    }

    void close_yesButSaveFails_reportedAndStaysOpen()
    {
        QTemporaryDir files;
        joinClass();
        m_session->Dialogs()->Answers.push_back(files.filePath(u"missing/saved.rtf"_s));
        deliver({"Jane", "Doe", "2", "0", "0", "hi"});
        m_session->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        m_session->Boxes().Then(ModalWatcher::ClickBox(QMessageBox::Ok));
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
        joinClass(nullptr, std::make_unique<Quillon::TQtFileDialogs>());
        deliver({"Jane", "Doe", "2", "255", "0", "{x} \\par caf\xE9"});
        deliver({"Teacher", "Roe", "13", "Jane Doe", "128", "-1", "bye"});
        const QString target = files.filePath(u"lesson.rtf"_s);
        {
            QFile old(target);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old transcript");
        }
        m_session->Boxes().Then([&](QWidget* w) {
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
        SoundServer sound;
        QVERIFY2(sound.Start(), qPrintable(sound.Error()));

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
