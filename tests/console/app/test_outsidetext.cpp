// Texts from the servers shown on the console's real windows: markup is shown as the characters
// it is made of, and an image it names is never loaded (the file it names is watched for opens).
#include "common/core/ansi.h"
#include "tests/support/consolesession.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Tells whether anything opened or read the file since the watch began.
class FileOpenWatch
{
public:
    explicit FileOpenWatch(const QString& path)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          m_watch(inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN | IN_ACCESS))
    {
    }
    ~FileOpenWatch() { ::close(m_fd); }
    FileOpenWatch(const FileOpenWatch&) = delete;
    FileOpenWatch& operator=(const FileOpenWatch&) = delete;

    bool Watching() const { return m_fd >= 0 && m_watch >= 0; }
    bool Opened() const
    {
        alignas(inotify_event) char events[4096];
        return ::read(m_fd, events, sizeof events) > 0;
    }

private:
    int m_fd;
    int m_watch;
};

enum class Place { SenderPanel, Notice, Verdict, ErrorReport, Transcript, RecipientList, CourseList };

bool PlainLabel(const QLabel* label)
{
    return label->textFormat() == Qt::PlainText ||
           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

} // namespace

Q_DECLARE_METATYPE(Place)

class TestOutsideText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markupAndLocalImage_shownAsPlainText_fileNeverOpened_data()
    {
        QTest::addColumn<Place>("place");
        QTest::newRow("senderPanel") << Place::SenderPanel;
        QTest::newRow("noticeBox") << Place::Notice;
        QTest::newRow("verdictBox") << Place::Verdict;
        QTest::newRow("errorReportQuotingTheField") << Place::ErrorReport;
        QTest::newRow("chatTranscript") << Place::Transcript;
        QTest::newRow("recipientList") << Place::RecipientList;
        QTest::newRow("courseList") << Place::CourseList;
    }
    void markupAndLocalImage_shownAsPlainText_fileNeverOpened()
    {
        QFETCH(Place, place);
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("picture.png"));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not read");
        file.close();
        const QString markup =
            QStringLiteral("<b><font color=red size=7>Teacher</font><img src=\"%1\">").arg(image);
        const QByteArray wire = Quillon::Ansi::ToWire(markup);
        const FileOpenWatch watch(image);
        QVERIFY(watch.Watching());

        ConsoleSession session;
        ConsoleSession::Join join;
        join.courses = {wire, "Algebra"};
        join.pickCourse = 1;
        join.roster = {wire, "Doe"};
        QString boxText;
        bool boxPlain = false;
        const auto recordBox = [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY2(box, "expected a message box");
            boxText = box->text();
            boxPlain = box->textFormat() == Qt::PlainText;
            QTest::qWait(50); // shown and laid out, as the teacher would see it
            box->button(QMessageBox::Ok)->click();
        };
        session.JoinClass(join);
        if (QTest::currentTestFailed())
            return;
        QString shown;
        bool plain = false;
        switch (place) {
        case Place::SenderPanel: {
            const QList<QLabel*> panels = session.Form().statusBar()->findChildren<QLabel*>();
            QVERIFY(panels.size() >= 3);
            session.CommServer().SendLine(Packet({wire, "Doe"}));
            QTRY_COMPARE(panels.at(2)->text(),
                         QStringLiteral("Last msg by: ") + markup + QStringLiteral(" Doe"));
            QTest::qWait(50); // shown and laid out
            plain = PlainLabel(panels.at(2));
            break;
        }
        case Place::Notice:
        case Place::Verdict:
            session.Boxes().Then(recordBox);
            session.Deliver({"S", "V", place == Place::Notice ? "8" : "10", wire});
            shown = boxText;
            plain = boxPlain;
            QCOMPARE(shown, markup);
            break;
        case Place::ErrorReport:
            session.Boxes().Then(recordBox);
            session.Deliver({"S", "V", "2", wire, "0", "Hi"});
            shown = boxText;
            plain = boxPlain;
            QCOMPARE(shown, QStringLiteral("'%1\u2026' is not a valid integer value").arg(markup.left(40)));
            break;
        case Place::Transcript: {
            session.Deliver({wire, "Doe", "2", "0", "0", wire});
            auto* transcript = session.Control<QTextEdit>(QStringLiteral("Memo_msg"));
            shown = transcript->toPlainText();
            plain = true;
            QVERIFY2(shown.endsWith(QLatin1Char('\n') + markup), qPrintable(shown));
            QVERIFY(shown.contains(markup + QStringLiteral(" Doe")));
            break;
        }
        case Place::RecipientList: {
            session.Deliver({wire, "Doe", "2", "0", "0", "Hi"}); // now online
            auto* recipients = session.Control<QComboBox>(QStringLiteral("ComboBox_Online"));
            recipients->showPopup();
            recipients->hidePopup();
            const int index = recipients->findText(markup + QStringLiteral(" Doe"));
            QVERIFY(index >= 0);
            plain = true; // a combo box draws its entries as plain text
            break;
        }
        case Place::CourseList: {
            QComboBox* courses = nullptr;
            for (QWidget* w : QApplication::allWidgets())
                if (w->objectName() == QStringLiteral("ComboBox_Course"))
                    courses = qobject_cast<QComboBox*>(w);
            QVERIFY(courses);
            QCOMPARE(courses->itemText(0), markup);
            plain = true;
            break;
        }
        }
        QVERIFY(plain);
        QTest::qWait(100);
        QVERIFY2(!watch.Opened(), "the image the text names was opened");
    }
};

QTEST_MAIN(TestOutsideText)
#include "test_outsidetext.moc"
