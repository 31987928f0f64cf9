// The name server of the development server, driven line by line as the two programs do.
#include "devserver/gradestore.h"
#include "tests/devserver/dialogue.h"
#include "tests/devserver/lineclient.h"
#include "tests/devserver/serverthread.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestNameServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_server.reset(); }

    void consoleSignIn_eachMessageWaitsForTheAnswer();
    void officeSignIn_titlesThenRosterWithGrades();
    void signIn_acceptsTheTeacherAsTyped_data();
    void signIn_acceptsTheTeacherAsTyped();
    void refusal_explainsAndCloses_data();
    void refusal_explainsAndCloses();
    void gradeUpload_servedAfterRestart();
    void malformedUpload_changesNothing_data();
    void malformedUpload_changesNothing();

private:
    bool StartServer();

    std::unique_ptr<QTemporaryDir> m_state;
    std::unique_ptr<ServerThread> m_server;
};

bool TestNameServer::StartServer()
{
    m_server.reset(); // a running one first stops
    m_server = std::make_unique<ServerThread>(TestOptions(m_state->path()));
    if (!m_server->Begin()) {
        qWarning("%s", qPrintable(m_server->Error()));
        return false;
    }
    return true;
}

void TestNameServer::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_state->isValid());
    QVERIFY(StartServer());
}

void TestNameServer::consoleSignIn_eachMessageWaitsForTheAnswer()
{
    LineClient client;
    QVERIFY(client.Connect(m_server->NamePort()));
    QCOMPARE(client.ReadLine(), QByteArray("\xC2\xC3\xC4$$$0\r\n"));
    QVERIFY(client.Silent());

    client.Send({"2", "Ann", "Lee", "secret"});
    QCOMPARE(client.ReadLine(), QByteArray("\xC2\xC3\xC4$$$1$$$Algebra$$$G\xE9ographie\r\n"));
    QVERIFY(client.Silent());

    client.Send({"Algebra"});
    QCOMPARE(client.ReadLine(),
             "\xC2\xC3\xC4$$$2$$$127.0.0.1$$$" + QByteArray::number(m_server->CommPort()) + "\r\n");
    QVERIFY(client.Silent());

    client.SendRaw("\xC2\xC3\xC4\r\n");
    QCOMPARE(client.ReadLine(),
             QByteArray("\xC2\xC3\xC4$$$3$$$\xC9lise$$$Roy$$$Mary Ann$$$Okafor$$$Zo\xEB$$$Martin\r\n"));
}

void TestNameServer::officeSignIn_titlesThenRosterWithGrades()
{
    LineClient client;
    QVERIFY(client.Connect(m_server->NamePort()));
    QCOMPARE(client.ReadLine(), QByteArray("\xC2\xC3\xC4$$$0\r\n"));
    client.Send({"3", "Ann", "Lee", "secret"});
    QCOMPARE(client.ReadLine(), QByteArray("\xC2\xC3\xC4$$$1$$$Algebra$$$G\xE9ographie\r\n"));

    client.Send({"Algebra"});
    QCOMPARE(client.ReadLine(),
             QByteArray("\xC2\xC3\xC4$$$4$$$Quiz 1;Quiz 2;Final$$$Quizzes:3:4;Exam:5:5\r\n"));
    QVERIFY(client.Silent());

    // Only the header alone acknowledges: the same with "$$$" behind it does not.
    client.SendRaw("\xC2\xC3\xC4$$$\r\n");
    QVERIFY(client.Silent());
    client.SendRaw("\xC2\xC3\xC4\r\n");
    QCOMPARE(client.ReadLine(), QByteArray("\xC2\xC3\xC4$$$3$$$s1$$$\xC9lise$$$Roy$$$elise@example.org$$$A;;B"
                                           "$$$s2$$$Mary Ann$$$Okafor$$$$$$B+;C"
                                           "$$$s3$$$Zo\xEB$$$Martin$$$zoe@example.org$$$\r\n"));
}

void TestNameServer::signIn_acceptsTheTeacherAsTyped_data()
{
    QTest::addColumn<QList<QByteArray>>("credentials");
    QTest::addColumn<QByteArray>("courseList");

    QTest::newRow("blank password sent as 7193")
        << QList<QByteArray>{"3", "Bo", "Li", "7193"} << QByteArray("\xC2\xC3\xC4$$$1$$$G\xE9ographie\r\n");
    QTest::newRow("names with blanks and other case")
        << QList<QByteArray>{"2", " ann", "LEE ", "secret"}
        << QByteArray("\xC2\xC3\xC4$$$1$$$Algebra$$$G\xE9ographie\r\n");
}

void TestNameServer::signIn_acceptsTheTeacherAsTyped()
{
    QFETCH(QList<QByteArray>, credentials);
    QFETCH(QByteArray, courseList);
    LineClient client;
    QVERIFY(client.Connect(m_server->NamePort()));
    QCOMPARE(client.ReadLine(), Line({"0"}));
    client.Send(credentials);
    QCOMPARE(client.ReadLine(), courseList);
}

void TestNameServer::refusal_explainsAndCloses_data()
{
    QTest::addColumn<QList<QByteArray>>("credentials");
    QTest::addColumn<QByteArray>("course"); // empty: refused before the course list
    QTest::addColumn<QByteArray>("refusal");

    QTest::newRow("wrong password") << QList<QByteArray>{"2", "Ann", "Lee", "7193"} << QByteArray()
                                    << QByteArray("Sign-in refused: wrong password for Ann Lee.");
    QTest::newRow("unknown teacher") << QList<QByteArray>{"3", "Cy", "Young", "secret"} << QByteArray()
                                     << QByteArray("Sign-in refused: there is no teacher named Cy Young.");
    QTest::newRow("unknown client") << QList<QByteArray>{"4", "Ann", "Lee", "secret"} << QByteArray()
                                    << QByteArray(
                                           "Sign-in refused: credentials code 4 is neither 2 (console) nor "
                                           "3 (course office).");
    QTest::newRow("course not taught") << QList<QByteArray>{"2", "Bo", "Li", "7193"} << QByteArray("Algebra")
                                       << QByteArray("Sign-in refused: Bo Li does not teach \"Algebra\".");
}

void TestNameServer::refusal_explainsAndCloses()
{
    QFETCH(QList<QByteArray>, credentials);
    QFETCH(QByteArray, course);
    QFETCH(QByteArray, refusal);
    LineClient client;
    QVERIFY(client.Connect(m_server->NamePort()));
    QCOMPARE(client.ReadLine(), Line({"0"}));
    client.Send(credentials);
    if (!course.isEmpty()) {
        QVERIFY(client.ReadLine().startsWith(Line({"1"}).chopped(2)));
        client.Send({course});
    }
    QCOMPARE(client.ReadLine(), Line({"9", refusal}));
    QVERIFY(client.WaitForClose());

    // A refused console is not let into the class either.
    if (credentials.front() == "2") {
        LineClient comm;
        QVERIFY(comm.Connect(m_server->CommPort()));
        QCOMPARE(comm.ReadLine(), Line({"Quillon", "Server", "0"}));
        comm.Send({"2", credentials[1], credentials[2], course.isEmpty() ? QByteArray("Algebra") : course});
        QCOMPARE(comm.ReadLine(), Line({"Quillon", "Server", "10", "Authentication Failed!"}));
    }
}

void TestNameServer::gradeUpload_servedAfterRestart()
{
    {
        LineClient office;
        QVERIFY(!SignInOffice(office, m_server->NamePort()).isEmpty());
        office.Send({"Algebra", "s1", "A+;B;C", "s2", ";;D", "s3", "\xC9;x;"});
        const Quillon::DevServer::GradeStore store(m_state->path());
        QTRY_COMPARE(store.Load("Algebra").value("s3"), QByteArray("\xC9;x;"));
    }
    QVERIFY(StartServer());
    LineClient office;
    QCOMPARE(SignInOffice(office, m_server->NamePort()),
             QByteArray("\xC2\xC3\xC4$$$3$$$s1$$$\xC9lise$$$Roy$$$elise@example.org$$$A+;B;C"
                        "$$$s2$$$Mary Ann$$$Okafor$$$$$$;;D"
                        "$$$s3$$$Zo\xEB$$$Martin$$$zoe@example.org$$$\xC9;x;\r\n"));

    // A later upload replaces what the first stored, on the same connection.
    office.Send({"Algebra", "s1", "F;F;F", "s2", ";;D", "s3", ";;"});
    const Quillon::DevServer::GradeStore store(m_state->path());
    QTRY_COMPARE(store.Load("Algebra").value("s1"), QByteArray("F;F;F"));
}

void TestNameServer::malformedUpload_changesNothing_data()
{
    QTest::addColumn<QList<QByteArray>>("upload");

    // Each starts with a sound record, so a server applying records one by one would show it.
    QTest::newRow("unknown student") << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s9", "A;B;C"};
    QTest::newRow("student twice") << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s1", "A;B;C"};
    QTest::newRow("too few values") << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s2", "A;B"};
    QTest::newRow("too many values") << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s2", "A;B;C;D"};
    QTest::newRow("grades missing at the end") << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s2"};
    QTest::newRow("separator typed into a cell")
        << QList<QByteArray>{"Algebra", "s1", "X;Y;Z", "s2", "A", "B;C"};
    QTest::newRow("other course") << QList<QByteArray>{"G\xE9ographie", "s1", "X;Y;Z"};
}

void TestNameServer::malformedUpload_changesNothing()
{
    QFETCH(QList<QByteArray>, upload);
    LineClient office;
    QVERIFY(!SignInOffice(office, m_server->NamePort()).isEmpty());
    office.Send(upload);
    // A sound upload behind it marks when the server has dealt with the faulty one.
    office.Send({"Algebra", "s3", "P;Q;R"});
    const Quillon::DevServer::GradeStore store(m_state->path());
    QTRY_COMPARE(store.Load("Algebra").value("s3"), QByteArray("P;Q;R"));
    QCOMPARE(store.Load("Algebra").keys(), QList<QByteArray>{"s3"});

    LineClient again;
    const QByteArray roster = SignInOffice(again, m_server->NamePort());
    QVERIFY(roster.contains("$$$s1$$$\xC9lise$$$Roy$$$elise@example.org$$$A;;B$$$"));
    QVERIFY(roster.contains("$$$s2$$$Mary Ann$$$Okafor$$$$$$B+;C$$$"));
}

QTEST_GUILESS_MAIN(TestNameServer)
#include "tst_nameserver.moc"
