// The transcript saved as RTF and read back by unrtf, a reader that shares no code with ours.
#include "console/chat/rtfwriter.h"
#include "console/chat/transcriptfile.h"

#include "common/core/error.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct TLine
{
    QString text;
    bool bold = false;
    bool italic = false;
    QColor color; // invalid: no colour set
};

// Appends each line as its own block, the way the chat window fills its transcript.
void Fill(QTextDocument& document, const QList<TLine>& lines)
{
    QTextCursor cursor(&document);
    bool first = true;
    for (const TLine& line : lines) {
        if (!first)
            cursor.insertBlock();
        first = false;
        QTextCharFormat format;
        format.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(line.italic);
        if (line.color.isValid())
            format.setForeground(line.color);
        cursor.setCharFormat(format);
        cursor.insertText(line.text);
    }
}

// unrtf's HTML rendering of the file, loaded into a document so its text and formats can be read.
std::unique_ptr<QTextDocument> ReadBack(const QString& path)
{
    QProcess unrtf;
    unrtf.start(u"unrtf"_s, {u"--html"_s, path});
    if (!unrtf.waitForFinished(10000) || unrtf.exitStatus() != QProcess::NormalExit ||
        unrtf.exitCode() != 0) {
        qWarning("unrtf failed: %s", unrtf.readAllStandardError().constData());
        return nullptr;
    }
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    return document;
}

QStringList DirEntries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

Q_DECLARE_METATYPE(TLine)

class TTranscriptRtfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savedFile_readBackByUnrtf_keepsTextAndFormats_data();
    void savedFile_readBackByUnrtf_keepsTextAndFormats();
    void rtf_isPureAsciiAndEscapesEveryCharacter_data();
    void rtf_isPureAsciiAndEscapesEveryCharacter();
    void save_replacesExistingFileWithoutLeftovers();
    void failedSave_throwsNamingFileAndLeavesEverythingAsItWas_data();
    void failedSave_throwsNamingFileAndLeavesEverythingAsItWas();
};

void TTranscriptRtfTest::savedFile_readBackByUnrtf_keepsTextAndFormats_data()
{
    QTest::addColumn<TLine>("line");
    const QColor red(255, 0, 0), maroon(128, 0, 0), navy(0, 0, 128);
    QTest::newRow("bold header") << TLine{u"[Jane Doe]"_s, true, false, red};
    QTest::newRow("bold italic audio header")
        << TLine{u"[Audio from Jane Doe in private]"_s, true, true, maroon};
    QTest::newRow("regular text") << TLine{u"hi there"_s, false, false, red};
    QTest::newRow("rtf control words and braces stay text")
        << TLine{u"}{\\rtf1\\b evil} \\par {\\i x\\'e9 \\u322?"_s, false, false, navy};
    QTest::newRow("accents, euro and beyond 1252")
        << TLine{u"caf\u00e9 \u00fcber 5\u20ac \u0142\u00f3d\u017a \u4e2d"_s, false, false, red};
    QTest::newRow("outside the basic plane") << TLine{u"smile \U0001F600!"_s, false, false, maroon};
    QTest::newRow("undefined 1252 byte as C1 character") << TLine{u"a\u0081b\u009dc"_s, false, false, red};
    QTest::newRow("no colour set") << TLine{u"plain"_s, false, false, QColor()};
}

void TTranscriptRtfTest::savedFile_readBackByUnrtf_keepsTextAndFormats()
{
    QFETCH(TLine, line);
    // The line under test sits between other lines so it must also keep its own paragraph.
    const QList<TLine> lines{{u"[Teacher Roe]"_s, true, false, QColor(0, 128, 0)},
                             line,
                             {u"after"_s, false, true, QColor(0, 0, 255)}};
    QTextDocument document;
    Fill(document, lines);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"transcript.rtf"_s);
    Brivane::SaveRtfFile(document, path);

    const auto back = ReadBack(path);
    QVERIFY(back);
    const QStringList backLines = back->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    QStringList expected;
    for (const TLine& l : lines)
        expected << l.text;
    QCOMPARE(backLines, expected);

    for (const TLine& l : lines) {
        const QTextCursor found = back->find(l.text, 0, QTextDocument::FindCaseSensitively);
        QVERIFY2(!found.isNull(), qPrintable(l.text));
        QTextCursor firstChar(back.get());
        firstChar.setPosition(found.selectionStart() + 1);
        const QTextCharFormat format = firstChar.charFormat();
        QCOMPARE(format.fontWeight() > QFont::Medium, l.bold);
        QCOMPARE(format.fontItalic(), l.italic);
        // A line without a colour of its own reads back in the default black.
        QCOMPARE(format.foreground().color().name(), l.color.isValid() ? l.color.name() : u"#000000"_s);
    }
}

void TTranscriptRtfTest::rtf_isPureAsciiAndEscapesEveryCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("backslash and braces") << u"\\{}"_s << QByteArray("\\\\\\{\\}");
    QTest::newRow("latin-1 letter") << u"\u00e9"_s << QByteArray("\\'e9");
    QTest::newRow("1252 above 0x80") << u"\u20ac\u2019"_s << QByteArray("\\'80\\'92");
    QTest::newRow("C1 control of an undefined byte") << u"\u0081"_s << QByteArray("{\\u129?}");
    QTest::newRow("not in 1252, below 0x8000") << u"\u0142"_s << QByteArray("{\\u322?}");
    QTest::newRow("not in 1252, above 0x7fff is negative") << u"\uff01"_s << QByteArray("{\\u-255?}");
    QTest::newRow("surrogate pair as two units") << u"\U0001F600"_s << QByteArray("{\\u-10179?\\u-8704?}");
    QTest::newRow("run of characters outside 1252 in one group")
        << u"\u0142\u4e2dx\u0142"_s << QByteArray("{\\u322?\\u20013?}x{\\u322?}");
    QTest::newRow("tab and line break") << u"a\tb\u2028c"_s << QByteArray("a\\tab b\\line c");
    QTest::newRow("other controls dropped") << u"a\u0001\u001b\u007fb"_s << QByteArray("ab");
}

void TTranscriptRtfTest::rtf_isPureAsciiAndEscapesEveryCharacter()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    Fill(document, {{text, false, false, QColor()}});
    const QByteArray out = Brivane::WriteRtf(document);
    for (const char c : out)
        QVERIFY2(static_cast<unsigned char>(c) < 0x80 && (c >= 0x20 || c == '\n'), out.constData());
    QVERIFY2(out.contains("\\cf0 " + rtf + '}'), out.constData());
}

void TTranscriptRtfTest::save_replacesExistingFileWithoutLeftovers()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"transcript.rtf"_s);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x')); // longer than the new file: nothing of it may remain
    }
    QTextDocument document;
    Fill(document, {{u"[Jane Doe]"_s, true, false, Qt::red}, {u"new"_s, false, false, Qt::red}});
    Brivane::SaveRtfFile(document, path);

    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray content = saved.readAll();
    QCOMPARE(content, Brivane::WriteRtf(document));
    const auto back = ReadBack(path);
    QVERIFY(back);
    QCOMPARE(back->toPlainText().split(u'\n', Qt::SkipEmptyParts), (QStringList{u"[Jane Doe]"_s, u"new"_s}));
    QCOMPARE(DirEntries(dir.path()), QStringList{u"transcript.rtf"_s});
}

void TTranscriptRtfTest::failedSave_throwsNamingFileAndLeavesEverythingAsItWas_data()
{
    // Tests run as root, so permissions stop nothing; these fail for root too.
    QTest::addColumn<QString>("target");
    QTest::newRow("target is a directory") << u"existing/transcript.rtf"_s;
    QTest::newRow("parent is a regular file") << u"existing/keep.txt/transcript.rtf"_s;
    QTest::newRow("parent directory missing") << u"missing/transcript.rtf"_s;
}

void TTranscriptRtfTest::failedSave_throwsNamingFileAndLeavesEverythingAsItWas()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // existing/keep.txt and existing/transcript.rtf/inner.rtf, a directory where the file would go.
    QVERIFY(QDir(dir.path()).mkpath(u"existing/transcript.rtf"_s));
    const QByteArray kept = "earlier transcript";
    for (const QString& name : {u"existing/keep.txt"_s, u"existing/transcript.rtf/inner.rtf"_s}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kept);
    }

    QTextDocument document;
    Fill(document, {{u"lost"_s, false, false, Qt::red}});
    const QString path = dir.filePath(target);
    try {
        Brivane::SaveRtfFile(document, path);
        QFAIL("the save did not fail");
    } catch (const Quillon::Error& error) {
        QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
    }

    QCOMPARE(DirEntries(dir.path()), QStringList{u"existing"_s});
    QCOMPARE(DirEntries(dir.filePath(u"existing"_s)), (QStringList{u"keep.txt"_s, u"transcript.rtf"_s}));
    QCOMPARE(DirEntries(dir.filePath(u"existing/transcript.rtf"_s)), QStringList{u"inner.rtf"_s});
    for (const QString& name : {u"existing/keep.txt"_s, u"existing/transcript.rtf/inner.rtf"_s}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kept);
    }
}

QTEST_MAIN(TTranscriptRtfTest)
#include "tst_transcriptrtf.moc"
