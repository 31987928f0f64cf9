#include "common/core/ansi.h"

#include <QTest>

using namespace Quillon;
using namespace Qt::StringLiterals;

class TestAnsi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByte_survivesRoundTrip();
    void toDisplay_data();
    void toDisplay();
    void toWire_data();
    void toWire();
};

void TestAnsi::everyByte_survivesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString screen = Ansi::ToDisplay(all);
    QCOMPARE(screen.size(), 256);
    QCOMPARE(Ansi::ToWire(screen), all);
}

void TestAnsi::toDisplay_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("Ann Lee") << u"Ann Lee"_s;
    QTest::newRow("header_letters") << QByteArray("\xC2\xC3\xC4\xC0") << u"\u00C2\u00C3\u00C4\u00C0"_s;
    QTest::newRow("euro") << QByteArray("\x80") << u"\u20AC"_s;
    QTest::newRow("quotes") << QByteArray("\x93"
                                          "a\x94")
                            << u"\u201Ca\u201D"_s;
    QTest::newRow("yDiaeresis") << QByteArray("\x9F") << u"\u0178"_s;
    QTest::newRow("undefined_keepValue")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << u"\u0081\u008D\u008F\u0090\u009D"_s;
    QTest::newRow("latin1") << QByteArray("\xE9\xFF\xA0") << u"\u00E9\u00FF\u00A0"_s;
    QTest::newRow("nul") << QByteArray("a\0b", 3) << QString(u"a\0b"_s);
}

void TestAnsi::toDisplay()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Ansi::ToDisplay(bytes), text);
}

void TestAnsi::toWire_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("euroAndDash") << u"5\u20AC \u2013 x"_s << QByteArray("5\x80 \x96 x");
    QTest::newRow("c1NotInTable") << u"\u0080\u009F"_s << QByteArray("??");
    QTest::newRow("cyrillic") << u"\u0416a"_s << QByteArray("?a");
    QTest::newRow("astral_oneReplacement") << u"a\U0001F600b"_s << QByteArray("a?b");
    QTest::newRow("loneSurrogate") << QString(QChar(0xD800)) + u"x"_s << QByteArray("?x");
    QTest::newRow("latin1") << u"\u00C9lise"_s << QByteArray("\xC9lise");
}

void TestAnsi::toWire()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Ansi::ToWire(text), bytes);
}

QTEST_GUILESS_MAIN(TestAnsi)
#include "tst_ansi.moc"
