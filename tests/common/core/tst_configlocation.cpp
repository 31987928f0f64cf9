#include "common/core/configlocation.h"
#include "common/core/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Quillon;

namespace {

const QString FileName = QStringLiteral("config_teacher.ini");

// The places a row can put a config_teacher.ini, each under its own folder of the scratch dir.
enum class Place { Beside, XdgHome, HomeDotConfig, System, None };

QString Folder(Place place)
{
    switch (place) {
    case Place::Beside:
        return QStringLiteral("bin/");
    case Place::XdgHome:
        return QStringLiteral("xdg/quillon/");
    case Place::HomeDotConfig:
        return QStringLiteral("home/.config/quillon/");
    case Place::System:
        return QStringLiteral("etc/quillon/");
    case Place::None:
        break;
    }
    return {};
}

bool WriteConfig(const QString& dir, Place place)
{
    if (!QDir().mkpath(dir))
        return false;
    QFile file(dir + FileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Each file names its own place, so the test sees which one was read.
    return file.write("[NameServer]\nHost=" + QByteArray::number(static_cast<int>(place)) + "\n") > 0;
}

} // namespace

Q_DECLARE_METATYPE(Place)

class TestConfigLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupOrder_data()
    {
        QTest::addColumn<QList<Place>>("present");
        // "absolute", "unset" or "relative".
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<bool>("directoryBesideProgram");
        QTest::addColumn<Place>("expected");

        const QList<Place> all{Place::Beside, Place::XdgHome, Place::HomeDotConfig, Place::System};
        QTest::newRow("beside the program wins over both") << all << "absolute" << false << Place::Beside;
        QTest::newRow("then the user's")
            << QList<Place>{Place::XdgHome, Place::System} << "absolute" << false << Place::XdgHome;
        QTest::newRow("then the system's")
            << QList<Place>{Place::System} << "absolute" << false << Place::System;
        QTest::newRow("none: beside the program, all defaults")
            << QList<Place>{} << "absolute" << false << Place::Beside;
        QTest::newRow("XDG_CONFIG_HOME set: ~/.config not used")
            << QList<Place>{Place::HomeDotConfig, Place::System} << "absolute" << false << Place::System;
        QTest::newRow("XDG_CONFIG_HOME unset: ~/.config")
            << QList<Place>{Place::XdgHome, Place::HomeDotConfig, Place::System} << "unset" << false
            << Place::HomeDotConfig;
        QTest::newRow("XDG_CONFIG_HOME relative: ignored, ~/.config")
            << QList<Place>{Place::XdgHome, Place::HomeDotConfig} << "relative" << false
            << Place::HomeDotConfig;
        QTest::newRow("a directory of that name is no file")
            << QList<Place>{Place::XdgHome} << "absolute" << true << Place::XdgHome;
    }

    void lookupOrder()
    {
        QFETCH(QList<Place>, present);
        QFETCH(QString, xdgConfigHome);
        QFETCH(bool, directoryBesideProgram);
        QFETCH(Place, expected);

        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString root = scratch.path() + u'/';
        QVERIFY(QDir().mkpath(root + Folder(Place::Beside)));
        for (Place place : present)
            QVERIFY(WriteConfig(root + Folder(place), place));
        if (directoryBesideProgram)
            QVERIFY(QDir().mkpath(root + Folder(Place::Beside) + FileName));

        TConfigLocations locations;
        locations.ExecutableDir = root + QStringLiteral("bin");
        locations.Home = root + QStringLiteral("home");
        locations.SystemDir = root + QStringLiteral("etc/quillon");
        if (xdgConfigHome == QLatin1String("absolute"))
            locations.XdgConfigHome = root + QStringLiteral("xdg");
        else if (xdgConfigHome == QLatin1String("relative"))
            locations.XdgConfigHome = QStringLiteral("xdg");

        const QString dir = locations.DirectoryOf(FileName);
        QCOMPARE(dir, root + Folder(expected));
        // The file in that directory is the one read; with none, every key has its default.
        const TIniFile ini(dir + FileName);
        const QByteArray host = present.contains(expected) ? QByteArray::number(static_cast<int>(expected))
                                                           : QByteArray("default");
        QCOMPARE(ini.ReadString("NameServer", "Host", "default"), host);
    }

    // What the programs use: the real environment and /etc/quillon/ last.
    void fromEnvironment_usesXdgConfigHomeAndEtc()
    {
        qputenv("XDG_CONFIG_HOME", "/tmp/elsewhere");
        const QStringList dirs = TConfigLocations::FromEnvironment().SearchDirs();
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(dirs.size(), 3);
        QVERIFY(dirs.at(0).endsWith(u'/'));
        QCOMPARE(dirs.mid(1),
                 QStringList({QStringLiteral("/tmp/elsewhere/quillon/"), QStringLiteral("/etc/quillon/")}));
    }
};

QTEST_GUILESS_MAIN(TestConfigLocation)
#include "tst_configlocation.moc"
