// The chat's texts without any window: headers, the pieces shown and spoken, the input's lines.
#include "console/chat/chattext.h"

#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Delimiter("\xC0", 1);

} // namespace

class TestChatText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headers_data()
    {
        QTest::addColumn<int>("code"); // 13 for the addressed header
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("2") << 2 << false << QByteArray("Jane") << QByteArray("[Jane Doe]");
        QTest::newRow("2 audio") << 2 << true << QByteArray("Jane") << QByteArray("[Audio from Jane Doe]");
        QTest::newRow("12") << 12 << false << QByteArray("Jane") << QByteArray("[Jane Doe in private]");
        QTest::newRow("12 audio") << 12 << true << QByteArray("Jane")
                                  << QByteArray("[Audio from Jane Doe in private]");
        QTest::newRow("13") << 13 << false << QByteArray("Teacher")
                            << QByteArray("[Teacher Doe to Bo Li in private]");
        QTest::newRow("13 audio, name as received")
            << 13 << true << QByteArray("Teacher ") << QByteArray("[Audio Teacher  Doe to Bo Li in private]");
    }
    void headers()
    {
        QFETCH(int, code);
        QFETCH(bool, audio);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, header);
        const QByteArray made = code == 13 ? ChatText::AddressedHeader(audio, first, "Doe", "Bo Li")
                                           : ChatText::ChatHeader(code, audio, first, "Doe");
        QCOMPARE(made, header);
    }

    void unquotePiece_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("plain word") << QByteArray("hello") << QByteArray("hello");
        QTest::newRow("quoted blanks")
            << QByteArray(" I  have  a  question ") << QByteArray("I have a question");
        QTest::newRow("quoted, accented")
            << QByteArray(" caf\xE9  au  lait ") << QByteArray("caf\xE9 au lait");
        QTest::newRow("blank in front and behind") << QByteArray("   a   ") << QByteArray(" a ");
        QTest::newRow("empty line") << QByteArray("  ") << QByteArray();
        QTest::newRow("one blank") << QByteArray("    ") << QByteArray(" ");
        QTest::newRow("quoted tab") << QByteArray(" a\tb ") << QByteArray("a\tb");
        QTest::newRow("single inner blank: not ours, as received")
            << QByteArray(" a b ") << QByteArray(" a b ");
        QTest::newRow("blank in front only: as received") << QByteArray(" ab") << QByteArray(" ab");
        QTest::newRow("one blank alone: as received") << QByteArray(" ") << QByteArray(" ");
        QTest::newRow("blank doubled at the end: one blank") << QByteArray(" a   ") << QByteArray("a ");
        QTest::newRow("odd blanks at the end: as received") << QByteArray(" a  b  ") << QByteArray(" a  b  ");
    }
    void unquotePiece()
    {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, shown);
        QCOMPARE(ChatText::UnquotePiece(received), shown);
    }

    void spokenText_separatorBeforeEachPiece()
    {
        QCOMPARE(ChatText::SpokenText({"hi", "there"}, " "), QByteArray(" hi there"));
        QCOMPARE(ChatText::SpokenText({"hi", "there"}, ""), QByteArray("hithere"));
        QCOMPARE(ChatText::SpokenText({}, " "), QByteArray());
        QCOMPARE(ChatText::SpokenText(ChatText::ShownPieces({" Good  morning ", "all"}), " "),
                 QByteArray(" Good morning all"));
    }

    void inputLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("one line") << u"Hello"_s << QList<QByteArray>{"Hello"};
        QTest::newRow("two lines") << u"Good\nmorning all"_s << QList<QByteArray>{"Good", "morning all"};
        QTest::newRow("break at the end starts no line") << u"caf\u00e9\n"_s << QList<QByteArray>{"caf\xE9"};
        QTest::newRow("empty line inside kept") << u"a\n\nb"_s << QList<QByteArray>{"a", "", "b"};
        QTest::newRow("a lone break is one empty line") << u"\n"_s << QList<QByteArray>{""};
        QTest::newRow("empty input") << QString() << QList<QByteArray>{""};
    }
    void inputLines()
    {
        QFETCH(QString, text);
        QFETCH(QList<QByteArray>, lines);
        QCOMPARE(ChatText::InputLines(text), lines);
    }
};

QTEST_APPLESS_MAIN(TestChatText)
#include "tst_chattext.moc"
