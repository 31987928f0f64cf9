// Chat colour values: plain 0x00BBGGRR values and the display colours with the top bit set.
#include "console/chat/colorvalue.h"

#include <QSet>
#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;

namespace {

// Every role a different colour, so a value drawn from the wrong role shows.
QPalette DistinctPalette()
{
    QPalette palette(Qt::black);
    int shade = 10;
    for (int group : {QPalette::Active, QPalette::Disabled, QPalette::Inactive})
        for (int role = 0; role < QPalette::NColorRoles; ++role, shade += 3)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                             QColor(shade, 255 - shade, 7));
    return palette;
}

} // namespace

class TestColorValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainValue_isBGRInLowBytes_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("maroon 128") << 128 << QColor(128, 0, 0);
        QTest::newRow("255 is pure red") << 255 << QColor(255, 0, 0);
        QTest::newRow("blue") << 0xFF0000 << QColor(0, 0, 255);
        QTest::newRow("white 16777215") << 16777215 << QColor(255, 255, 255);
        QTest::newRow("money green") << 0xC0DCC0 << QColor(0xC0, 0xDC, 0xC0);
        QTest::newRow("sky blue") << 0xF0CAA6 << QColor(0xA6, 0xCA, 0xF0);
        QTest::newRow("top byte below the flag ignored") << 0x02000080 << QColor(128, 0, 0);
    }
    void plainValue_isBGRInLowBytes()
    {
        QFETCH(int, value);
        QFETCH(QColor, colour);
        QCOMPARE(ColorFromValue(value, DistinctPalette()), colour);
        QVERIFY(!SystemColorRole(value));
    }

    void systemValue_drawnInItsPaletteRole_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("role");
        QTest::newRow("clBtnFace -2147483633")
            << -2147483633 << int(QPalette::Active) << int(QPalette::Button);
        QTest::newRow("clWindowText")
            << int(0x80000008u) << int(QPalette::Active) << int(QPalette::WindowText);
        QTest::newRow("clWindow") << clWindow << int(QPalette::Active) << int(QPalette::Base);
        QTest::newRow("clHighlight") << clHighlight << int(QPalette::Active) << int(QPalette::Highlight);
        QTest::newRow("clHighlightText")
            << SystemColor(14) << int(QPalette::Active) << int(QPalette::HighlightedText);
        QTest::newRow("clBtnText") << SystemColor(18) << int(QPalette::Active) << int(QPalette::ButtonText);
        QTest::newRow("clGrayText") << clGrayText << int(QPalette::Disabled) << int(QPalette::Text);
        QTest::newRow("clInfoText") << clInfoText << int(QPalette::Active) << int(QPalette::ToolTipText);
        QTest::newRow("clInfoBk") << clInfoBk << int(QPalette::Active) << int(QPalette::ToolTipBase);
        QTest::newRow("clScrollBar, index 0")
            << SystemColorFlag << int(QPalette::Active) << int(QPalette::Button);
    }
    void systemValue_drawnInItsPaletteRole()
    {
        QFETCH(int, value);
        QFETCH(int, group);
        QFETCH(int, role);
        const QPalette palette = DistinctPalette();
        QCOMPARE(ColorFromValue(value, palette),
                 palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    }

    void systemValue_namingNoDisplayColour_drawsBlack_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("index 25") << SystemColor(25);
        QTest::newRow("index 31") << SystemColor(31);
        QTest::newRow("index 255") << SystemColor(255);
        QTest::newRow("most negative bits") << int(0xFFFFFFFFu);
    }
    void systemValue_namingNoDisplayColour_drawsBlack()
    {
        QFETCH(int, value);
        QVERIFY(!SystemColorRole(value));
        QCOMPARE(ColorFromValue(value, DistinctPalette()), QColor(Qt::black));
    }

    void colorBox_standardThenExtendedThenDisplayColours()
    {
        const QList<TColorEntry>& colours = ColorBoxColors();
        QCOMPARE(colours.at(0).value, 0);
        QCOMPARE(colours.at(1).value, 128);
        QCOMPARE(colours.at(1).name, u"Maroon"_s);
        QCOMPARE(colours.at(9).value, 255);
        QCOMPARE(colours.at(15).value, 0xFFFFFF);
        QCOMPARE(colours.at(16).name, u"Money Green"_s);
        QCOMPARE(colours.at(19).name, u"Medium Gray"_s);
        QSet<int> values;
        for (int i = 0; i < colours.size(); ++i) {
            values.insert(colours.at(i).value);
            // Plain colours first, then only display colours, each of which draws from a role.
            QCOMPARE(colours.at(i).value < 0, i >= 20);
            QVERIFY2(bool(SystemColorRole(colours.at(i).value)) == (i >= 20), qPrintable(colours.at(i).name));
        }
        QCOMPARE(values.size(), colours.size());
        QVERIFY(values.contains(clBtnFace));
        QVERIFY(values.contains(clInfoBk));
        QVERIFY(values.contains(clWindowText));
    }
};

QTEST_GUILESS_MAIN(TestColorValue)
#include "test_colorvalue.moc"
