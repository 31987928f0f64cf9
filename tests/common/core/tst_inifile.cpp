#include "common/core/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Quillon;

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void missingFile_givesDefaults();

private:
    QTemporaryDir m_dir;
    QString m_fileName;
};

void TestIniFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_fileName = m_dir.filePath(QStringLiteral("config_teacher.ini"));
    QFile file(m_fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; comment line\r\n"
               "# another comment\r\n"
               "[nameserver]\r\n"
               "  HOST =  ns.example.org  \r\n"
               "Port=abc\r\n"
               "host=second.example.org\r\n"
               "\r\n"
               "[SMTP]\r\n"
               "Port = 0x19\r\n"
               "Empty=\r\n"
               "  Indented = yes\r\n"
               "Hex=$1F\r\n"
               "Negative=-5\r\n"
               "Blanked= 25\r\n"
               ";Commented=1\r\n"
               "Latin=\xC9lise\r\n"
               "[Teacher]\r\n"
               "Name=Ann Lee\r\n"
               "[smtp]\r\n"
               "Port=99\r\n");
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("caseInsensitive_blanksTrimmed")
        << QByteArray("NameServer") << QByteArray("Host") << QByteArray("ns.example.org");
    QTest::newRow("upperCaseLookup") << QByteArray("NAMESERVER") << QByteArray("HOST")
                                     << QByteArray("ns.example.org");
    QTest::newRow("emptyValue_notDefault") << QByteArray("SMTP") << QByteArray("Empty") << QByteArray();
    QTest::newRow("indentedKey") << QByteArray("smtp") << QByteArray("indented") << QByteArray("yes");
    QTest::newRow("innerBlanksKept") << QByteArray("Teacher") << QByteArray("Name") << QByteArray("Ann Lee");
    QTest::newRow("bytesUnconverted") << QByteArray("SMTP") << QByteArray("Latin") << QByteArray("\xC9lise");
    QTest::newRow("commentedKey_default")
        << QByteArray("SMTP") << QByteArray("Commented") << QByteArray("dflt");
    QTest::newRow("missingKey_default") << QByteArray("SMTP") << QByteArray("Nothing") << QByteArray("dflt");
    QTest::newRow("missingSection_default")
        << QByteArray("Nowhere") << QByteArray("Host") << QByteArray("dflt");
    QTest::newRow("keyOfOtherSection_default")
        << QByteArray("Teacher") << QByteArray("Host") << QByteArray("dflt");
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const TIniFile ini(m_fileName);
    QCOMPARE(ini.ReadString(section, key, "dflt"), value);
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("notANumber_default") << QByteArray("NameServer") << QByteArray("Port") << 22;
    QTest::newRow("hex0x_firstDuplicateWins") << QByteArray("SMTP") << QByteArray("Port") << 25;
    QTest::newRow("dollarHex") << QByteArray("SMTP") << QByteArray("Hex") << 31;
    QTest::newRow("negative") << QByteArray("SMTP") << QByteArray("Negative") << -5;
    QTest::newRow("blankBeforeValue") << QByteArray("SMTP") << QByteArray("Blanked") << 25;
    QTest::newRow("empty_default") << QByteArray("SMTP") << QByteArray("Empty") << 22;
    QTest::newRow("missing_default") << QByteArray("SMTP") << QByteArray("Nothing") << 22;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    const TIniFile ini(m_fileName);
    QCOMPARE(ini.ReadInteger(section, key, 22), value);
}

void TestIniFile::missingFile_givesDefaults()
{
    const TIniFile ini(m_dir.filePath(QStringLiteral("absent.ini")));
    QCOMPARE(ini.ReadString("NameServer", "Host", "localhost"), QByteArray("localhost"));
    QCOMPARE(ini.ReadInteger("NameServer", "Port", 22), 22);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
