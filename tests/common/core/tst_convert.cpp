#include "common/core/convert.h"
#include "common/core/error.h"

#include <QTest>

using namespace Quillon;
using namespace Qt::StringLiterals;

class TestConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void strToInt_accepts_data();
    void strToInt_accepts();
    void strToInt_rejects_data();
    void strToInt_rejects();
    void messages_showFieldAsScreenText();
    void strToBool_data();
    void strToBool();
    void strToBool_rejects_data();
    void strToBool_rejects();
    void writers();
};

void TestConvert::strToInt_accepts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("leadingBlank") << QByteArray(" 12") << 12;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("plus") << QByteArray("+4") << 4;
    QTest::newRow("leadingZero") << QByteArray("03") << 3;
    QTest::newRow("dollarHex") << QByteArray("$1F") << 31;
    QTest::newRow("xHex") << QByteArray("x1f") << 31;
    QTest::newRow("XHex") << QByteArray("X10") << 16;
    QTest::newRow("0xHex") << QByteArray("0x10") << 16;
    QTest::newRow("0XHex") << QByteArray("0XfF") << 255;
    QTest::newRow("hexEightDigits_bitPattern") << QByteArray("$FFFFFFFF") << -1;
    QTest::newRow("hexTopBit") << QByteArray("0x80000000") << std::numeric_limits<int>::min();
    QTest::newRow("max") << QByteArray("2147483647") << std::numeric_limits<int>::max();
    QTest::newRow("min") << QByteArray("-2147483648") << std::numeric_limits<int>::min();
    QTest::newRow("manyLeadingZeros") << QByteArray("000000000000042") << 42;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("blanksThenHex") << QByteArray("  $a") << 10;
}

void TestConvert::strToInt_accepts()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(StrToInt(text), value);
    QCOMPARE(TryStrToInt(text), std::optional<std::int32_t>(value));
}

void TestConvert::strToInt_rejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanksOnly") << QByteArray("  ");
    QTest::newRow("trailingBlank") << QByteArray("12 ");
    QTest::newRow("signedHex") << QByteArray("-$1F");
    QTest::newRow("decimalPoint") << QByteArray("1.0");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("letterInside") << QByteArray("50x0");
    QTest::newRow("leadingTab") << QByteArray("\t12");
    QTest::newRow("signOnly") << QByteArray("-");
    QTest::newRow("doubleSign") << QByteArray("+-1");
    QTest::newRow("blankAfterSign") << QByteArray("- 1");
    QTest::newRow("prefixOnly") << QByteArray("$");
    QTest::newRow("0xOnly") << QByteArray("0x");
    QTest::newRow("hexNineDigits") << QByteArray("$100000000");
    QTest::newRow("hexBadDigit") << QByteArray("$1G");
    QTest::newRow("aboveMax") << QByteArray("2147483648");
    QTest::newRow("belowMin") << QByteArray("-2147483649");
    QTest::newRow("huge") << QByteArray("99999999999999999999999");
    QTest::newRow("doubleZeroX") << QByteArray("00x1");
    QTest::newRow("nulAfter") << QByteArray("1\0", 2);
}

void TestConvert::strToInt_rejects()
{
    QFETCH(QByteArray, text);
    QCOMPARE(TryStrToInt(text), std::nullopt);
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToInt(text));
}

void TestConvert::messages_showFieldAsScreenText()
{
    try {
        StrToInt("50x0");
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), u"'50x0' is not a valid integer value"_s);
    }
    try {
        StrToInt("\xE9t\xE9");
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), u"'\u00E9t\u00E9' is not a valid integer value"_s);
        QCOMPARE(QByteArray(e.what()), QByteArray("'\xC3\xA9t\xC3\xA9' is not a valid integer value"));
    }
    try {
        StrToBool("yes");
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), u"'yes' is not a valid boolean value"_s);
    }
    // A megabyte field is quoted by its start only.
    try {
        StrToInt(QByteArray(40, 'a') + QByteArray(1024 * 1024, 'b'));
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.message(), u"'"_s + QString(40, u'a') + u"\u2026' is not a valid integer value"_s);
    }
}

void TestConvert::strToBool_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("minusOne") << QByteArray("-1") << true;
    QTest::newRow("one") << QByteArray("1") << true;
    QTest::newRow("fraction") << QByteArray("2.5") << true;
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("minusOneBlank") << QByteArray("-1 ") << true;
    QTest::newRow("blanksAround") << QByteArray("  0  ") << false;
    QTest::newRow("zero") << QByteArray("0") << false;
    QTest::newRow("false") << QByteArray("false") << false;
    QTest::newRow("FaLsE") << QByteArray("FaLsE") << false;
    QTest::newRow("zeroPointZero") << QByteArray("0.0") << false;
    QTest::newRow("smallFraction") << QByteArray("0.001") << true;
    QTest::newRow("leadingDot") << QByteArray(".5") << true;
    QTest::newRow("trailingDot") << QByteArray("3.") << true;
    QTest::newRow("exponent") << QByteArray("1e3") << true;
    QTest::newRow("zeroWithExponent") << QByteArray("0E+5") << false;
    QTest::newRow("negativeExponent") << QByteArray("5e-2") << true;
    QTest::newRow("plusSign") << QByteArray("+0") << false;
}

void TestConvert::strToBool()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, value);
    QCOMPARE(StrToBool(text), value);
}

void TestConvert::strToBool_rejects_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("yes") << QByteArray("yes");
    QTest::newRow("blankTrue") << QByteArray(" True");
    QTest::newRow("trueBlank") << QByteArray("True ");
    QTest::newRow("commaSeparator") << QByteArray("2,5");
    QTest::newRow("dotOnly") << QByteArray(".");
    QTest::newRow("exponentWithoutDigits") << QByteArray("1e");
    QTest::newRow("hex") << QByteArray("$1");
    QTest::newRow("twoNumbers") << QByteArray("1 2");
    QTest::newRow("blanksOnly") << QByteArray("  ");
}

void TestConvert::strToBool_rejects()
{
    QFETCH(QByteArray, text);
    QVERIFY_THROWS_EXCEPTION(ConvertError, StrToBool(text));
}

void TestConvert::writers()
{
    QCOMPARE(BoolToStr(true), QByteArray("-1"));
    QCOMPARE(BoolToStr(false), QByteArray("0"));
    QCOMPARE(IntToStr(-2147483648LL), QByteArray("-2147483648"));
    QCOMPARE(IntToStr(16777215), QByteArray("16777215"));
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
