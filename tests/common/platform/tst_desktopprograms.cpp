// The desktop programs the services start: LibreOffice Calc for an export and xdg-open for an
// address, each handed its file or address as one argument, never through a shell.
#include "common/core/error.h"
#include "common/platform/shellopen.h"
#include "common/platform/spreadsheetlauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A stand-in program that writes its arguments, one a line, to PROGRAM.args.
class ArgumentRecorder
{
public:
    explicit ArgumentRecorder(const QString& name = u"stand-in"_s) : m_name(name)
    {
        QFile script(Program());
        if (!script.open(QIODevice::WriteOnly))
            qFatal("cannot write the stand-in program");
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString Program() const { return m_dir.filePath(m_name); }
    QString Directory() const { return m_dir.path(); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    // The arguments it was started with, once it has run.
    QString Arguments() const
    {
        QFile args(Program() + u".args"_s);
        if (!QTest::qWaitFor([&args] { return args.exists(); }, 5000) || !args.open(QIODevice::ReadOnly))
            return u"<never started>"_s;
        return QString::fromUtf8(args.readAll());
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

} // namespace

class TestDesktopPrograms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void calc_handsTheFileOverAsOneArgument()
    {
        ArgumentRecorder calc;
        const QString file = calc.Path(u"my grades; $(touch pwned) 'x'.xlsx"_s);
        Quillon::TCalcLauncher(calc.Program()).OpenAsNewDocument(file);
        QCOMPARE(calc.Arguments(), u"--calc\n-n\n"_s + file + u"\n"_s);
        QVERIFY(!QFileInfo::exists(calc.Path(u"pwned"_s)));
    }

    void calc_missingProgram_throws()
    {
        Quillon::TCalcLauncher launcher(u"cortelle-test-no-such-spreadsheet-program"_s);
        try {
            launcher.OpenAsNewDocument(u"/tmp/Grades.xlsx"_s);
            QFAIL("no error");
        } catch (const Quillon::Error& error) {
            QCOMPARE(error.message(), u"The spreadsheet program (LibreOffice Calc) could not be started."_s);
        }
    }

    void xdgOpen_handsTheTargetOverWhole_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("address") << u"http://127.0.0.1:8080/algebra/lesson1.html"_s;
        QTest::newRow("shell characters stay text") << u"a.mp3; touch pwned $(touch pwned) `touch pwned`"_s;
        QTest::newRow("longer than 79 characters, passed whole")
            << u"http://example.org/"_s + QString(200, u'x');
        QTest::newRow("blanks and quotes") << u"'my file' \"two\".avi"_s;
    }
    void xdgOpen_handsTheTargetOverWhole()
    {
        QFETCH(QString, target);
        ArgumentRecorder xdgOpen;
        Quillon::TXdgOpen(xdgOpen.Program()).Open(target, 6);
        QCOMPARE(xdgOpen.Arguments(), target + u"\n"_s);
        QVERIFY(!QFileInfo::exists(u"pwned"_s));
    }

    // The real opener as the console makes it: xdg-open looked up on PATH.
    void xdgOpen_fromPath_getsTheAddressAsOneArgument()
    {
        ArgumentRecorder xdgOpen(u"xdg-open"_s);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(xdgOpen.Directory()) + ':' + path);
        QString address = u"http://example.org/a b 'q' \"d\"; $(touch pwned) "_s;
        address += QString(200 - address.size(), u'y');
        Quillon::TXdgOpen().Open(address, 5);
        const QString arguments = xdgOpen.Arguments();
        qputenv("PATH", path);
        QCOMPARE(arguments, address + u"\n"_s);
        QVERIFY(!QFileInfo::exists(u"pwned"_s));
    }
};

QTEST_GUILESS_MAIN(TestDesktopPrograms)
#include "tst_desktopprograms.moc"
