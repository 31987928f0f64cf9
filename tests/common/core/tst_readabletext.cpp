#include "common/core/readabletext.h"

#include <QTest>

using namespace Quillon;

class TestReadableText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString e(Ellipsis);
        QTest::newRow("short_unchanged") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
        QTest::newRow("exactlyTheLimit_unchanged") << QString(10, u'x') << QString(10, u'x');
        QTest::newRow("oneCharOver_cut") << QString(11, u'x') << QString(10, u'x') + e;
        QTest::newRow("threeLinesAllowed") << QStringLiteral("1\n2\n3") << QStringLiteral("1\n2\n3");
        QTest::newRow("fourthLine_cutBeforeItsBreak")
            << QStringLiteral("1\n2\n3\n4") << QStringLiteral("1\n2\n3") + e;
        QTest::newRow("emptyLines_countToo") << QStringLiteral("\n\n\n\n") << QStringLiteral("\n\n") + e;
        // The cut falls between the halves of a character outside the basic plane: both go.
        QTest::newRow("surrogatePair_notSplit")
            << QString(9, u'x') + QStringLiteral("\U0001F600y") << QString(9, u'x') + e;
    }
    void readable()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(Readable(text, 10, 3), shown);
        QCOMPARE(IsReadable(text, 10, 3), shown == text);
    }

    void quotedField_startOnly()
    {
        QCOMPARE(QuotedField(QByteArray(QuotedFieldBytes, '\xE9')), QString(QuotedFieldBytes, u'\u00E9'));
        QCOMPARE(QuotedField(QByteArray(QuotedFieldBytes, 'a') + "\x80" + QByteArray(1 << 20, 'b')),
                 QString(QuotedFieldBytes, u'a') + Ellipsis);
    }
};

QTEST_APPLESS_MAIN(TestReadableText)
#include "tst_readabletext.moc"
