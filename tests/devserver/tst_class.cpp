// The class the development server plays: its data file, its rosters, its stored grades and
// the simulated students.
#include "common/core/convert.h"
#include "common/core/error.h"
#include "common/core/wire.h"
#include "devserver/classdata.h"
#include "devserver/classsimulation.h"
#include "devserver/gradestore.h"
#include "testdata.h"

#include <QEventLoop>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <utility>

using namespace Quillon::DevServer;
using namespace Qt::StringLiterals;

namespace {

QString SampleClassFile()
{
    return QStringLiteral(QUILLON_SOURCE_DIR "/devserver/data/class.ini");
}

bool WriteFile(const QString& fileName, const QByteArray& text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

struct SentLine
{
    QByteArray first;
    QByteArray last;
    QList<QByteArray> fields; // code first
};

// Follows the class as the console would and reports the first line that breaks a layout
// or comes from a student who could not have sent it.
class ClassObserver
{
public:
    explicit ClassObserver(const Course& course, const QList<SampleStudent>& roster) : m_course(course)
    {
        for (const SampleStudent& student : roster)
            m_status.insert(student.first + '|' + student.last, 0);
    }

    QSet<QByteArray> codes;
    QSet<QByteArray> mayPush;
    QString fault;

    void Check(const SentLine& line)
    {
        if (!fault.isEmpty())
            return;
        const QString problem = Problem(line);
        if (!problem.isEmpty())
            fault = problem + u": "_s +
                    QString::fromLatin1(line.first + ' ' + line.last + ' ' + line.fields.join('|'));
        codes.insert(line.fields.front());
    }

private:
    QString Problem(const SentLine& line)
    {
        const QByteArray& code = line.fields.front();
        const qsizetype fieldCount = line.fields.size() - 1;
        const bool fromServer =
            line.first == ClassSimulation::ServerFirst && line.last == ClassSimulation::ServerLast;
        const QByteArray key = line.first + '|' + line.last;
        if (code == "9" || code == "8" || code == "7")
            return fromServer ? QString() : u"server message from a student"_s;
        if (!m_status.contains(key))
            return u"sender not in the class"_s;
        int& status = m_status[key];
        if (code == "4") {
            const auto value = Quillon::TryStrToInt(line.fields.value(1));
            if (fieldCount != 1 || !value || *value < 0 || *value > 7)
                return u"bad status"_s;
            status = *value;
            return QString();
        }
        if (status < 1 || status > 6)
            return u"a student who is offline or asleep speaks"_s;
        if (code == "2" || code == "12") {
            if (fieldCount != 3 || !Quillon::TryStrToInt(line.fields[1]) ||
                (line.fields[2] != "-1" && line.fields[2] != "0") ||
                Quillon::TrimControls(line.fields[3]).isEmpty())
                return u"bad chat layout"_s;
            return QString();
        }
        if (code == "1") {
            if (fieldCount != 4 || !m_course.material.contains(line.fields[1]) || !line.fields[2].isEmpty() ||
                !line.fields[3].isEmpty() || line.fields[4] != "0")
                return u"bad push layout"_s;
            return mayPush.contains(key) ? QString() : u"push without permission"_s;
        }
        return u"unexpected code"_s;
    }

    const Course& m_course;
    QHash<QByteArray, int> m_status;
};

// Runs the event loop until `done` holds, checked after every line the class sends, or
// until the time is up. (QTRY_ would sleep between turns and slow a fast class down.)
class LoopUntil
{
public:
    explicit LoopUntil(std::function<bool()> done) : m_done(std::move(done)) {}
    void Check()
    {
        if (m_done())
            m_loop.quit();
    }
    bool Run(int timeoutMs = 30000)
    {
        if (m_done())
            return true;
        QTimer::singleShot(timeoutMs, &m_loop, &QEventLoop::quit);
        m_loop.exec();
        return m_done();
    }

private:
    std::function<bool()> m_done;
    QEventLoop m_loop;
};

// A clock the test moves on by hand: what the class schedules runs in time order, each action
// at its time, and no real time passes.
class SimulatedClock
{
public:
    ClassSimulation::ScheduleFunction Scheduler()
    {
        return [this](int delayMs, std::function<void()> action) {
            m_pending.emplace(std::pair(m_now + delayMs, m_sequence++), std::move(action));
        };
    }
    qint64 Now() const { return m_now; }
    void RunUntil(qint64 ms)
    {
        while (!m_pending.empty() && m_pending.begin()->first.first <= ms) {
            const auto next = m_pending.begin();
            m_now = next->first.first;
            const std::function<void()> action = std::move(next->second);
            m_pending.erase(next);
            action();
        }
        m_now = ms;
    }

private:
    qint64 m_now = 0;
    quint64 m_sequence = 0; // keeps actions due at the same time in the order they were scheduled
    std::map<std::pair<qint64, quint64>, std::function<void()>> m_pending;
};

constexpr double FastPace = 3000.0;
constexpr qint64 Minute = 60000;

} // namespace

class TestClass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sampleClass_holdsWhatATrialNeeds();
    void faultyClassFile_namesTheLine_data();
    void faultyClassFile_namesTheLine();
    void classRoster_hasTheAskedSize_data();
    void classRoster_hasTheAskedSize();
    void damagedGradeFile_isNeitherServedNorOverwritten();
    void pacedClass_followsTheLayouts_data();
    void pacedClass_followsTheLayouts();
    void pacedClass_honoursPermissionAndSwitches_data();
    void pacedClass_honoursPermissionAndSwitches();
    void pacedClass_noticesComeEveryFewMinutes_data();
    void pacedClass_noticesComeEveryFewMinutes();
    void quietClass_sendsNothingOfItsOwn();
};

void TestClass::sampleClass_holdsWhatATrialNeeds()
{
    const ClassData data = LoadClassData(SampleClassFile());
    QVERIFY(data.teachers.size() >= 2);
    QVERIFY(!data.chatter.publicChat.isEmpty() && !data.chatter.privateChat.isEmpty() &&
            !data.chatter.answers.isEmpty() && !data.chatter.notices.isEmpty());
    for (const Course& course : data.courses) {
        const QByteArray name = course.name;
        QVERIFY2(course.students.size() >= 20, name.constData());
        QVERIFY2(!course.columns.isEmpty() && !course.groups.isEmpty() && !course.material.isEmpty(),
                 name.constData());
        bool accent = false, blankInFirstName = false, noEmail = false, emptyCell = false;
        for (const SampleStudent& student : course.students) {
            for (const char c : student.first + student.last)
                accent = accent || static_cast<unsigned char>(c) >= 0x80;
            blankInFirstName = blankInFirstName || student.first.contains(' ');
            noEmail = noEmail || student.email.isEmpty();
            emptyCell = emptyCell || student.grades.startsWith(';') || student.grades.contains(";;") ||
                        student.grades.endsWith(';');
        }
        QVERIFY2(accent && blankInFirstName && noEmail && emptyCell, name.constData());
    }
}

void TestClass::faultyClassFile_namesTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");

    const QByteArray teacher = "[teacher]\nfirst = A\nlast = B\npassword = p\ncourse = C\n";
    const QByteArray course = "[course]\nname = C\ncolumns = Q1; Q2\n";
    QTest::newRow("more grades than columns") << teacher + course + "student = s1 | X | Y | | A;B;C\n"
                                              << u":9:"_s;
    QTest::newRow("student id twice")
        << teacher + course + "student = s1 | X | Y | |\nstudent = s1 | Z | Y | |\n"
        << u":10:"_s;
    QTest::newRow("group beyond the columns") << teacher + course + "groups = All:3:5\n" << u":9:"_s;
    QTest::newRow("group not name:first:last") << teacher + course + "groups = All:3\n" << u":9:"_s;
    QTest::newRow("course nobody defines") << teacher + "[course]\nname = D\n" << u":1:"_s;
    QTest::newRow("text outside Windows-1252") << teacher + course + "student = s1 | \xC4\x9F | Y | |\n"
                                               << u":9:"_s;
    QTest::newRow("field separator in a name") << teacher + course + "student = s1 | X$$$ | Y | |\n"
                                               << u":9:"_s;
    QTest::newRow("misspelt key") << teacher + course + "colums = Q1\n" << u":9:"_s;
}

void TestClass::faultyClassFile_namesTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"class.ini"_s);
    QVERIFY(WriteFile(fileName, text));
    try {
        LoadClassData(fileName);
        QFAIL("the faulty file was accepted");
    } catch (const Quillon::Error& error) {
        QVERIFY2(error.message().contains(where), qPrintable(error.message()));
    }
}

void TestClass::classRoster_hasTheAskedSize_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("all") << -1;
    QTest::newRow("none") << 0;
    QTest::newRow("fewer") << 2;
    QTest::newRow("more, made up") << 40;
}

void TestClass::classRoster_hasTheAskedSize()
{
    QFETCH(int, count);
    const ClassData data = LoadClassData(SampleClassFile());
    const Course& course = data.courses.front();
    const QList<SampleStudent> roster = ClassRoster(course, count);
    QCOMPARE(roster.size(), count < 0 ? course.students.size() : count);
    QSet<QByteArray> ids;
    for (qsizetype i = 0; i < std::min(roster.size(), course.students.size()); ++i)
        QCOMPARE(roster[i].id, course.students[i].id);
    for (qsizetype i = 0; i < roster.size(); ++i) {
        QVERIFY(!roster[i].first.isEmpty() && !roster[i].last.isEmpty());
        ids.insert(roster[i].id);
    }
    QCOMPARE(ids.size(), roster.size());
}

void TestClass::damagedGradeFile_isNeitherServedNorOverwritten()
{
    QTemporaryDir dir;
    const GradeStore store(dir.path());
    store.Store("Algebra", {{"s1", "A;B"}});
    QCOMPARE(store.Load("Algebra").value("s1"), QByteArray("A;B"));

    const QByteArray damaged = "course=Algebra\ns1 A;B\n";
    QVERIFY(WriteFile(store.FileOf("Algebra"), damaged));
    QVERIFY_THROWS_EXCEPTION(Quillon::Error, store.Load("Algebra"));
    QVERIFY_THROWS_EXCEPTION(Quillon::Error, store.Store("Algebra", {{"s2", "C;D"}}));
    QFile file(store.FileOf("Algebra"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
}

void TestClass::pacedClass_followsTheLayouts_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 1") << 1u;
    QTest::newRow("seed 2") << 2u;
    QTest::newRow("seed 3") << 3u;
}

void TestClass::pacedClass_followsTheLayouts()
{
    QFETCH(quint32, seed);
    const ClassData data = LoadClassData(SampleClassFile());
    const Course& course = data.courses.front();
    const QList<SampleStudent> roster = ClassRoster(course, -1);
    ClassObserver observer(course, roster);
    for (const SampleStudent& student : roster)
        observer.mayPush.insert(student.first + '|' + student.last);
    int lines = 0;
    LoopUntil loop([&] { return lines >= 500 || !observer.fault.isEmpty(); });
    Logger log;
    ClassSimulation simulation(
        course, roster, data.chatter, {"Ann", "Lee", course.name}, {false, FastPace, seed}, log, u"test"_s,
        [&](const QByteArray& first, const QByteArray& last, const QList<QByteArray>& fields) {
            observer.Check({first, last, fields});
            ++lines;
            loop.Check();
        });
    simulation.Start();
    QVERIFY(loop.Run());
    QVERIFY2(observer.fault.isEmpty(), qPrintable(observer.fault));
    for (const char* code : {"9", "4", "2", "12", "1", "8"})
        QVERIFY2(observer.codes.contains(code), code);
}

void TestClass::pacedClass_honoursPermissionAndSwitches_data()
{
    QTest::addColumn<QByteArray>("code");      // the class message the teacher's switch holds back
    QTest::addColumn<QByteArray>("switchOff"); // "5" revokes everybody's permission
    QTest::addColumn<QByteArray>("switchOn");

    QTest::newRow("push permission revoked") << QByteArray("1") << QByteArray("5") << QByteArray("5");
    QTest::newRow("only push to teacher") << QByteArray("1") << QByteArray("14") << QByteArray("14");
    QTest::newRow("private talking disabled") << QByteArray("12") << QByteArray("15") << QByteArray("15");
}

void TestClass::pacedClass_honoursPermissionAndSwitches()
{
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, switchOff);
    const ClassData data = LoadClassData(SampleClassFile());
    const Course& course = data.courses.front();
    const QList<SampleStudent> roster = ClassRoster(course, -1);
    ClassObserver observer(course, roster);
    if (code != "1") {
        for (const SampleStudent& student : roster)
            observer.mayPush.insert(student.first + '|' + student.last);
    }
    int lines = 0;
    int held = 0; // lines of `code` while switched off
    bool switchedOff = true;
    LoopUntil heldBack([&] { return lines >= 500 || !observer.fault.isEmpty(); });
    LoopUntil resumed([&] { return observer.codes.contains(code) || !observer.fault.isEmpty(); });
    Logger log;
    ClassSimulation simulation(
        course, roster, data.chatter, {"Ann", "Lee", course.name}, {false, FastPace, 5}, log, u"test"_s,
        [&](const QByteArray& first, const QByteArray& last, const QList<QByteArray>& fields) {
            if (switchedOff && fields.front() == code)
                ++held;
            observer.Check({first, last, fields});
            ++lines;
            (switchedOff ? heldBack : resumed).Check();
        });
    auto setSwitch = [&](bool on) {
        if (switchOff == "5") {
            for (const SampleStudent& student : roster) {
                simulation.OnTeacherMessage(5, student.first + "$$$" + student.last + "$$$" +
                                                   Quillon::BoolToStr(on));
                if (on)
                    observer.mayPush.insert(student.first + '|' + student.last);
            }
        } else {
            simulation.OnTeacherMessage(switchOff.toInt(), Quillon::BoolToStr(!on));
            if (on)
                for (const SampleStudent& student : roster)
                    observer.mayPush.insert(student.first + '|' + student.last);
        }
    };
    setSwitch(false);
    simulation.Start();
    QVERIFY(heldBack.Run());
    QVERIFY2(observer.fault.isEmpty(), qPrintable(observer.fault));
    QCOMPARE(held, 0);

    switchedOff = false;
    observer.codes.clear();
    setSwitch(true);
    QVERIFY(resumed.Run());
    QVERIFY2(observer.fault.isEmpty(), qPrintable(observer.fault));
}

void TestClass::pacedClass_noticesComeEveryFewMinutes_data()
{
    QTest::addColumn<double>("pace");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("pace 1, seed 1") << 1.0 << 1u;
    QTest::newRow("pace 1, seed 2") << 1.0 << 2u;
    QTest::newRow("pace 1, seed 3") << 1.0 << 3u;
    QTest::newRow("pace 2") << 2.0 << 4u;
    QTest::newRow("pace 0.5") << 0.5 << 5u;
}

// Each notice is a box the teacher must close: one every three to five minutes at pace 1,
// while the students keep the class busy from the first minute.
void TestClass::pacedClass_noticesComeEveryFewMinutes()
{
    QFETCH(double, pace);
    QFETCH(quint32, seed);
    const ClassData data = LoadClassData(SampleClassFile());
    const Course& course = data.courses.front();
    const QList<SampleStudent> roster = ClassRoster(course, -1);
    QSet<QByteArray> sampleNotices;
    for (const Phrase& notice : data.chatter.notices)
        sampleNotices.insert(notice.join(' '));
    ClassObserver observer(course, roster);
    for (const SampleStudent& student : roster)
        observer.mayPush.insert(student.first + '|' + student.last);
    SimulatedClock clock;
    const qint64 shortest = static_cast<qint64>(3 * Minute / pace);
    const qint64 longest = static_cast<qint64>(5 * Minute / pace);
    const qint64 end = static_cast<qint64>(60 * Minute / pace);
    QList<qint64> notices; // when each came
    int earlyChats = 0;    // student chat within the first minute
    QString badNotice;
    Logger log;
    ClassSimulation simulation(
        course, roster, data.chatter, {"Ann", "Lee", course.name}, {false, pace, seed}, log, u"test"_s,
        [&](const QByteArray& first, const QByteArray& last, const QList<QByteArray>& fields) {
            observer.Check({first, last, fields});
            if (fields.front() == "8") {
                notices.append(clock.Now());
                if (fields.size() != 2 || !sampleNotices.contains(fields[1]))
                    badNotice = QString::fromLatin1(fields.join('|'));
            } else if ((fields.front() == "2" || fields.front() == "12") && clock.Now() < Minute / pace) {
                ++earlyChats;
            }
        });
    simulation.SetScheduler(clock.Scheduler());
    simulation.Start();
    clock.RunUntil(end);

    QVERIFY2(observer.fault.isEmpty(), qPrintable(observer.fault));
    QVERIFY2(badNotice.isEmpty(), qPrintable(badNotice));
    QVERIFY2(earlyChats >= 3, qPrintable(QString::number(earlyChats)));
    QVERIFY(!notices.isEmpty());
    qint64 previous = 0; // the class starts at 0
    for (const qint64 at : notices) {
        QVERIFY2(at - previous >= shortest && at - previous <= longest,
                 qPrintable(u"notice at %1 s after one at %2 s"_s.arg(at / 1000.0).arg(previous / 1000.0)));
        previous = at;
    }
    QVERIFY2(end - previous <= longest, qPrintable(u"the last notice came at %1 s"_s.arg(previous / 1000.0)));
}

// Tests of the programs run against a quiet class and count the boxes they answer.
void TestClass::quietClass_sendsNothingOfItsOwn()
{
    const ClassData data = LoadClassData(SampleClassFile());
    const Course& course = data.courses.front();
    const QList<SampleStudent> roster = ClassRoster(course, -1);
    SimulatedClock clock;
    QList<QByteArray> codes;
    Logger log;
    ClassSimulation simulation(course, roster, data.chatter, {"Ann", "Lee", course.name}, {true, 1.0, 1}, log,
                               u"test"_s,
                               [&](const QByteArray&, const QByteArray&, const QList<QByteArray>& fields) {
                                   codes.append(fields.front());
                               });
    simulation.SetScheduler(clock.Scheduler());
    simulation.Start();
    clock.RunUntil(60 * Minute);
    QCOMPARE(codes, QList<QByteArray>{"9"});
}

QTEST_GUILESS_MAIN(TestClass)
#include "tst_class.moc"
