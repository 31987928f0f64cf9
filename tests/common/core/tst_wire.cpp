#include "common/core/wire.h"

#include <QTest>

using namespace Quillon;

namespace {
const QByteArray H = PacketHeader;
const QByteArray D(1, LineDelimiter);
} // namespace

class TestWire : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextField_data();
    void nextField();
    void nextField_emptySeparatorTakesAll();
    void buildPacket_data();
    void buildPacket();
    void checkHeader_data();
    void checkHeader();
    void joinLines_data();
    void joinLines();
    void readLines_data();
    void readLines();
    void trimControls_data();
    void trimControls();
};

void TestWire::nextField_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("rest");

    QTest::newRow("firstOfThree") << QByteArray("a$$$b$$$c") << FieldSeparator << QByteArray("a")
                                  << QByteArray("b$$$c");
    QTest::newRow("noSeparator_takesAll")
        << QByteArray("abc") << FieldSeparator << QByteArray("abc") << QByteArray();
    QTest::newRow("empty") << QByteArray() << FieldSeparator << QByteArray() << QByteArray();
    QTest::newRow("leadingSeparator_emptyField")
        << QByteArray("$$$x") << FieldSeparator << QByteArray() << QByteArray("x");
    QTest::newRow("trailingSeparator_emptyRest")
        << QByteArray("a$$$") << FieldSeparator << QByteArray("a") << QByteArray();
    QTest::newRow("fourDollars_firstMatchWins")
        << QByteArray("a$$$$b") << FieldSeparator << QByteArray("a") << QByteArray("$b");
    QTest::newRow("dollarBeforeSeparator")
        << QByteArray("a$$$$$b") << FieldSeparator << QByteArray("a") << QByteArray("$$b");
    QTest::newRow("blank_doubleBlank")
        << QByteArray("Ann  Lee") << QByteArray(" ") << QByteArray("Ann") << QByteArray(" Lee");
    QTest::newRow("lineDelimiter") << QByteArray("a\xC0"
                                                 "b")
                                   << D << QByteArray("a") << QByteArray("b");
    QTest::newRow("highBytesKept") << QByteArray("\xE9\x81\x00z;q", 6) << ListSeparator
                                   << QByteArray("\xE9\x81\x00z", 4) << QByteArray("q");
}

void TestWire::nextField()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, rest);

    QByteArray s = line;
    QByteArray out("stale");
    NextField(s, separator, out);
    QCOMPARE(out, field);
    QCOMPARE(s, rest);

    QByteArray s2 = line;
    QCOMPARE(NextField(s2, separator), field);
    QCOMPARE(s2, rest);
}

void TestWire::nextField_emptySeparatorTakesAll()
{
    // A separator that matches everywhere would never shrink the text: loops over it must end.
    QByteArray s("abc");
    QCOMPARE(NextField(s, QByteArrayView()), QByteArray("abc"));
    QVERIFY(s.isEmpty());
}

void TestWire::buildPacket_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("code0") << QByteArray("0") << QByteArray("\xC2\xC3\xC4$$$0");
    QTest::newRow("emptyPayload") << QByteArray() << QByteArray("\xC2\xC3\xC4$$$");
    QTest::newRow("fields") << JoinFields({"2", "Ann", "", "pw"})
                            << QByteArray("\xC2\xC3\xC4$$$2$$$Ann$$$$$$pw");
}

void TestWire::buildPacket()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, line);
    QCOMPARE(BuildPacket(payload), line);
}

void TestWire::checkHeader_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QByteArray>("rest");
    QTest::newRow("headerAlone") << H << true << QByteArray();
    QTest::newRow("headerAndFields") << QByteArray(H + "$$$3$$$Ann") << true << QByteArray("3$$$Ann");
    QTest::newRow("blankBefore") << QByteArray(" " + H + "$$$3") << false << QByteArray("3");
    QTest::newRow("byteAfterHeader") << QByteArray(H + "x$$$3") << false << QByteArray("3");
    QTest::newRow("shortHeader") << QByteArray("\xC2\xC3$$$3") << false << QByteArray("3");
    QTest::newRow("utf8Letters") << QByteArray("\xC3\x82\xC3\x83\xC3\x84$$$3") << false << QByteArray("3");
    QTest::newRow("empty") << QByteArray() << false << QByteArray();
}

void TestWire::checkHeader()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, passes);
    QFETCH(QByteArray, rest);
    QCOMPARE(CheckHeader(line), passes);
    QCOMPARE(line, rest);
}

void TestWire::joinLines_data()
{
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("none") << QList<QByteArray>{} << QByteArray();
    QTest::newRow("oneEmpty_twoBlanks") << QList<QByteArray>{""} << QByteArray("  ");
    QTest::newRow("plainWord_unchanged") << QList<QByteArray>{"Hello"} << QByteArray("Hello");
    QTest::newRow("twoWords") << QList<QByteArray>{"Hello", "world"} << QByteArray("Hello" + D + "world");
    QTest::newRow("blank_quotedAndDoubled")
        << QList<QByteArray>{"Hello world"} << QByteArray(" Hello  world ");
    QTest::newRow("trailingEmptyLine") << QList<QByteArray>{"a", ""} << QByteArray("a" + D);
    QTest::newRow("twoEmptyLines") << QList<QByteArray>{"", ""} << D;
    QTest::newRow("tab_quotedNotDoubled") << QList<QByteArray>{"x\ty"} << QByteArray(" x\ty ");
    QTest::newRow("delimiterInside_quotedAndKept") << QList<QByteArray>{"a\xC0"
                                                                        "b"}
                                                   << QByteArray(" a\xC0"
                                                                 "b ");
    QTest::newRow("controlCode1") << QList<QByteArray>{"a\x01"} << QByteArray(" a\x01 ");
    QTest::newRow("highLetter_notQuoted") << QList<QByteArray>{"\xE9t\xE9"} << QByteArray("\xE9t\xE9");
    QTest::newRow("code127_notQuoted") << QList<QByteArray>{"a\x7F"} << QByteArray("a\x7F");
    QTest::newRow("nulThenBlank_quoted")
        << QList<QByteArray>{QByteArray("a\0 b", 4)} << QByteArray(" a\0  b ", 7);
    QTest::newRow("leadingBlank") << QList<QByteArray>{" x", "y"} << QByteArray("   x " + D + "y");
}

void TestWire::joinLines()
{
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QByteArray, field);
    QCOMPARE(JoinLines(lines), field);
}

void TestWire::readLines_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::newRow("emptyLineBetween") << JoinLines({"a", "", "b"}) << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("quoting_kept") << JoinLines({"Hello world", "x"})
                                  << QList<QByteArray>{" Hello  world ", "x"};
    QTest::newRow("singleEmptyLine_noPiece") << JoinLines({""}) << QList<QByteArray>{};
    QTest::newRow("trailingEmptyLine_noPiece") << JoinLines({"a", ""}) << QList<QByteArray>{"a"};
    // Only the last delimiter goes: of two empty lines at the end, one still arrives.
    QTest::newRow("twoTrailingEmptyLines_onePiece") << JoinLines({"a", "", ""}) << QList<QByteArray>{"a", ""};
    QTest::newRow("delimiterInLine_twoPieces") << JoinLines({"a\xC0"
                                                             "b"})
                                               << QList<QByteArray>{" a", "b "};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("trailingCr") << QByteArray("a" + D + "b\r") << QList<QByteArray>{"a", "b\r"};
}

void TestWire::readLines()
{
    QFETCH(QByteArray, rest);
    QFETCH(QList<QByteArray>, pieces);
    QCOMPARE(ReadLines(rest), pieces);
}

void TestWire::trimControls_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("trimmed");
    QTest::newRow("blanks") << QByteArray(" host ") << QByteArray("host");
    QTest::newRow("controls") << QByteArray("\t\r\n\x01x y\x1F ") << QByteArray("x y");
    QTest::newRow("nul") << QByteArray("\0a\0", 3) << QByteArray("a");
    QTest::newRow("highBytesStay") << QByteArray("\xA0\xC0x\xFF") << QByteArray("\xA0\xC0x\xFF");
    QTest::newRow("onlyBlanks") << QByteArray("   ") << QByteArray();
}

void TestWire::trimControls()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, trimmed);
    QCOMPARE(TrimControls(text), trimmed);
}

QTEST_GUILESS_MAIN(TestWire)
#include "tst_wire.moc"
