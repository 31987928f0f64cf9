// Group titles from their name:first:last texts.
#include "common/core/error.h"
#include "gradebook/book/title.h"

#include <QTest>

using Cortelle::TTitle;

class TestTitle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("span") << QByteArray("Homework:3:5") << QByteArray("Homework") << 3 << 5;
        QTest::newRow("last before first kept as sent")
            << QByteArray("Final:7:6") << QByteArray("Final") << 7 << 6;
        QTest::newRow("after a third separator ignored")
            << QByteArray("Q:3:4:x:y") << QByteArray("Q") << 3 << 4;
        QTest::newRow("name untrimmed, leading blanks of a number allowed")
            << QByteArray(" Lab 1 : 3: 4") << QByteArray(" Lab 1 ") << 3 << 4;
        QTest::newRow("empty name") << QByteArray(":3:3") << QByteArray() << 3 << 3;
        QTest::newRow("negative and hexadecimal") << QByteArray("N:-2:$A") << QByteArray("N") << -2 << 10;
        QTest::newRow("largest") << QByteArray("X:3:2147483647") << QByteArray("X") << 3 << 2147483647;
    }

    void fromText()
    {
        QFETCH(QByteArray, text);
        const TTitle title(text);
        QFETCH(QByteArray, name);
        QFETCH(int, first);
        QFETCH(int, last);
        QCOMPARE(title.Name, name);
        QCOMPARE(title.FirstCol, first);
        QCOMPARE(title.LastCol, last);
    }

    void badColumns_throwConvertError_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no columns") << QByteArray("Homework");
        QTest::newRow("last missing") << QByteArray("Homework:3");
        QTest::newRow("last empty") << QByteArray("Homework:3:");
        QTest::newRow("not a number") << QByteArray("Homework:x:5");
        QTest::newRow("trailing blank") << QByteArray("Homework:3:5 ");
        QTest::newRow("beyond 32 bits") << QByteArray("Homework:3:2147483648");
    }

    void badColumns_throwConvertError()
    {
        QFETCH(QByteArray, text);
        QVERIFY_THROWS_EXCEPTION(Quillon::ConvertError, TTitle{text});
    }
};

QTEST_APPLESS_MAIN(TestTitle)
#include "test_title.moc"
