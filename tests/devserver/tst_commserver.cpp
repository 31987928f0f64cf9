// The communication server of the development server: identification and a quiet class.
#include "tests/devserver/dialogue.h"
#include "tests/devserver/lineclient.h"
#include "tests/devserver/serverthread.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QByteArray ServerIdentify("\xC2\xC3\xC4$$$Quillon$$$Server$$$0\r\n");

// `expected` may hold "{n}" where a number the class chose stands.
bool Matches(const QByteArray& line, const QByteArray& expected)
{
    const qsizetype hole = expected.indexOf("{n}");
    if (hole < 0)
        return line == expected;
    const QByteArray before = expected.left(hole);
    const QByteArray after = expected.mid(hole + 3);
    if (!line.startsWith(before) || !line.endsWith(after) || line.size() <= before.size() + after.size())
        return false;
    bool ok = false;
    line.mid(before.size(), line.size() - before.size() - after.size()).toInt(&ok);
    return ok;
}

} // namespace

class TestCommServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_server.reset(); }

    void identification_admitsTheSignedInConsole();
    void identification_refused_data();
    void identification_refused();
    void quietClass_answersTheTeacher_data();
    void quietClass_answersTheTeacher();
    void reading_toleratesLineEndsAndDropsOverlongLines();

private:
    // Signs Ann Lee in to Algebra and joins the class; the client is then past the class status.
    bool JoinClass(LineClient& comm);

    std::unique_ptr<QTemporaryDir> m_state;
    std::unique_ptr<ServerThread> m_server;
};

void TestCommServer::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_state->isValid());
    m_server = std::make_unique<ServerThread>(TestOptions(m_state->path()));
    QVERIFY2(m_server->Begin(), qPrintable(m_server->Error()));
}

bool TestCommServer::JoinClass(LineClient& comm)
{
    if (!SignInConsole(m_server->NamePort(), "Ann", "Lee", "secret", "Algebra") ||
        !comm.Connect(m_server->CommPort()) || comm.ReadLine() != ServerIdentify)
        return false;
    comm.Send({"2", "Ann", "Lee", "Algebra"});
    return comm.ReadLine().startsWith(Line({"Quillon", "Server", "10"}).chopped(2)) &&
           comm.ReadLine().startsWith(Line({"Quillon", "Server", "9"}).chopped(2));
}

void TestCommServer::identification_admitsTheSignedInConsole()
{
    QVERIFY(SignInConsole(m_server->NamePort(), "Ann", "Lee", "secret", "Algebra"));
    LineClient comm;
    QVERIFY(comm.Connect(m_server->CommPort()));
    QCOMPARE(comm.ReadLine(), ServerIdentify);

    // Nothing but the identification opens the class.
    comm.Send({"7", "3"});
    QVERIFY(comm.Silent());

    comm.Send({"2", "Ann", "Lee", "Algebra"});
    QCOMPARE(comm.ReadLine(),
             QByteArray("\xC2\xC3\xC4$$$Quillon$$$Server$$$10$$$Welcome to Algebra, Ann Lee!\r\n"));
    // Quiet: the whole class is online at once, the teacher laughing.
    QCOMPARE(comm.ReadLine(), QByteArray("\xC2\xC3\xC4$$$Quillon$$$Server$$$9$$$1$$$\xC9lise$$$Roy$$$1"
                                         "$$$Mary Ann$$$Okafor$$$1$$$Zo\xEB$$$Martin$$$1\r\n"));
    QVERIFY(comm.Silent());
}

void TestCommServer::identification_refused_data()
{
    QTest::addColumn<QByteArray>("signedIn"); // "console", "office" or "none"
    QTest::addColumn<QByteArray>("typedFirst");
    QTest::addColumn<QList<QByteArray>>("identification");

    QTest::newRow("no sign-in") << QByteArray("none") << QByteArray("Ann")
                                << QList<QByteArray>{"2", "Ann", "Lee", "Algebra"};
    QTest::newRow("other course") << QByteArray("console") << QByteArray("Ann")
                                  << QList<QByteArray>{"2", "Ann", "Lee", "G\xE9ographie"};
    QTest::newRow("course nobody teaches")
        << QByteArray("console") << QByteArray("Ann") << QList<QByteArray>{"2", "Ann", "Lee", "Nope"};
    QTest::newRow("names not as typed at sign-in")
        << QByteArray("console") << QByteArray(" Ann") << QList<QByteArray>{"2", "Ann", "Lee", "Algebra"};
    QTest::newRow("only the course office signed in")
        << QByteArray("office") << QByteArray("Ann") << QList<QByteArray>{"2", "Ann", "Lee", "Algebra"};
}

void TestCommServer::identification_refused()
{
    QFETCH(QByteArray, signedIn);
    QFETCH(QByteArray, typedFirst);
    QFETCH(QList<QByteArray>, identification);
    LineClient office;
    if (signedIn == "console")
        QVERIFY(SignInConsole(m_server->NamePort(), typedFirst, "Lee", "secret", "Algebra"));
    else if (signedIn == "office")
        QVERIFY(!SignInOffice(office, m_server->NamePort()).isEmpty());

    LineClient comm;
    QVERIFY(comm.Connect(m_server->CommPort()));
    QCOMPARE(comm.ReadLine(), ServerIdentify);
    comm.Send(identification);
    QCOMPARE(comm.ReadLine(),
             QByteArray("\xC2\xC3\xC4$$$Quillon$$$Server$$$10$$$Authentication Failed!\r\n"));
    QVERIFY(comm.WaitForClose());
}

void TestCommServer::quietClass_answersTheTeacher_data()
{
    QTest::addColumn<QList<QByteArray>>("teacher");
    QTest::addColumn<QList<QByteArray>>("expected");

    QTest::newRow("expression") << QList<QByteArray>{"7", "3"}
                                << QList<QByteArray>{"\xC2\xC3\xC4$$$Quillon$$$Server$$$7$$$3\r\n"};
    QTest::newRow("public chat comes back to the teacher")
        << QList<QByteArray>{"2", "128", "-1", "Hi\xC0 there  all "}
        << QList<QByteArray>{"\xC2\xC3\xC4$$$Ann$$$Lee$$$2$$$128$$$-1$$$Hi\xC0 there  all \r\n"};
    QTest::newRow("private chat copied and answered")
        << QList<QByteArray>{"13", "Mary Ann Okafor", "255", "0", "Hello"}
        << QList<QByteArray>{"\xC2\xC3\xC4$$$Teacher$$$Lee$$$13$$$Mary Ann Okafor$$$255$$$0$$$Hello\r\n",
                             "\xC2\xC3\xC4$$$Mary Ann$$$Okafor$$$12$$${n}$$$0$$$ Thank  you,  understood! "
                             "\xC0 See  you \r\n"};
    QTest::newRow("private chat to nobody in class")
        << QList<QByteArray>{"13", "Cy Young", "0", "0", "Hello"}
        << QList<QByteArray>{"\xC2\xC3\xC4$$$Teacher$$$Lee$$$13$$$Cy Young$$$0$$$0$$$Hello\r\n"};
    QTest::newRow("expression out of range") << QList<QByteArray>{"7", "9"} << QList<QByteArray>{};
    QTest::newRow("chat colour not a number")
        << QList<QByteArray>{"2", "red", "0", "Hi"} << QList<QByteArray>{};
    QTest::newRow("push permission") << QList<QByteArray>{"5", "Zo\xEB", "Martin", "0"}
                                     << QList<QByteArray>{};
    QTest::newRow("code not a number") << QList<QByteArray>{"7x", "3"} << QList<QByteArray>{};
}

void TestCommServer::quietClass_answersTheTeacher()
{
    QFETCH(QList<QByteArray>, teacher);
    QFETCH(QList<QByteArray>, expected);
    LineClient comm;
    QVERIFY(JoinClass(comm));
    comm.Send(teacher);
    for (const QByteArray& line : expected) {
        const QByteArray received = comm.ReadLine();
        QVERIFY2(Matches(received, line), received.constData());
    }
    QVERIFY(comm.Silent());
}

void TestCommServer::reading_toleratesLineEndsAndDropsOverlongLines()
{
    LineClient comm;
    QVERIFY(JoinClass(comm));

    comm.SendRaw("\xC2\xC3\xC4$$$7$$$2\n");
    QCOMPARE(comm.ReadLine(), Line({"Quillon", "Server", "7", "2"}));

    // Over two megabytes without a line end, in pieces, then the end of that line.
    const QByteArray piece = "\xC2\xC3\xC4$$$7$$$5" + QByteArray(64 * 1024, 'a');
    for (int i = 0; i < 40; ++i)
        comm.SendRaw(piece);
    comm.SendRaw("\r\n");
    comm.SendRaw(" \xC2\xC3\xC4$$$7$$$6\r\n");
    comm.SendRaw("\xC2\xC3\xC4$$$7$$$4\r\n");
    QCOMPARE(comm.ReadLine(), Line({"Quillon", "Server", "7", "4"}));
    QVERIFY(comm.Silent());
}

QTEST_GUILESS_MAIN(TestCommServer)
#include "tst_commserver.moc"
