// Every line the communication server delivers, read field by field.
#include "console/protocol/commserverprotocol.h"

#include "common/core/error.h"
#include "common/core/wire.h"

#include <QTest>

using namespace Brivane::CommServer;

namespace {
const QByteArray H = Quillon::PacketHeader;
const QByteArray D(1, Quillon::LineDelimiter);
} // namespace

class TestCommServerInbound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineStart_data();
    void lineStart();
    void push_readsThreeAddresses_ignoresMore();
    void chat_data();
    void chat();
    void chatMark_badFields_throw_data();
    void chatMark_badFields_throw();
    void addressedChat_recipientFirst();
    void isFromTeacher_data();
    void isFromTeacher();
    void status_data();
    void status();
    void classStatus_data();
    void classStatus();
    void noticeAndVerdict();
    void authenticationFailure_data();
    void authenticationFailure();
};

void TestCommServerInbound::lineStart_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("headerOk");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");
    QTest::addColumn<int>("code"); // -999: does not convert
    QTest::addColumn<QByteArray>("rest");

    QTest::newRow("statusChange") << H + "$$$Ann$$$Lee$$$4$$$3" << true << QByteArray("Ann")
                                  << QByteArray("Lee") << 4 << QByteArray("3");
    QTest::newRow("headerAlone_emptyNames_noCode")
        << H << true << QByteArray() << QByteArray() << -999 << QByteArray();
    QTest::newRow("namesOnly_noCode")
        << H + "$$$Ann$$$Lee" << true << QByteArray("Ann") << QByteArray("Lee") << -999 << QByteArray();
    QTest::newRow("code2x_doesNotConvert") << H + "$$$Ann$$$Lee$$$2x$$$1" << true << QByteArray("Ann")
                                           << QByteArray("Lee") << -999 << QByteArray("1");
    QTest::newRow("codeTrailingBlank_doesNotConvert")
        << H + "$$$a$$$b$$$8 " << true << QByteArray("a") << QByteArray("b") << -999 << QByteArray();
    QTest::newRow("codeLeadingZero") << H + "$$$a$$$b$$$08$$$x" << true << QByteArray("a") << QByteArray("b")
                                     << 8 << QByteArray("x");
    QTest::newRow("negativeCode") << H + "$$$a$$$b$$$-3" << true << QByteArray("a") << QByteArray("b") << -3
                                  << QByteArray();
    QTest::newRow("namesKeepBlanks") << H + "$$$ Teacher $$$$$$0" << true << QByteArray(" Teacher ")
                                     << QByteArray() << 0 << QByteArray();
    QTest::newRow("blankBeforeHeader_dropped")
        << " " + H + "$$$a$$$b$$$8" << false << QByteArray() << QByteArray() << 0 << QByteArray();
    QTest::newRow("headerWithExtraByte_dropped")
        << H + "x$$$a$$$b$$$8" << false << QByteArray() << QByteArray() << 0 << QByteArray();
}

void TestCommServerInbound::lineStart()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, headerOk);
    QCOMPARE(ReadHeader(line), headerOk);
    if (!headerOk)
        return;
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    QFETCH(int, code);
    QFETCH(QByteArray, rest);
    const TSender sender = ReadSender(line);
    QCOMPARE(sender.first, first);
    QCOMPARE(sender.last, last);
    QCOMPARE(ReadCode(line).value_or(-999), code);
    QCOMPARE(line, rest);
}

void TestCommServerInbound::push_readsThreeAddresses_ignoresMore()
{
    QByteArray rest("http://main$$$ a.mp3$$$v.avi$$$extra$$$more");
    const TPushedContent content = ReadPush(rest);
    QCOMPARE(content.mainPage, QByteArray("http://main"));
    QCOMPARE(content.audio, QByteArray(" a.mp3"));
    QCOMPARE(content.video, QByteArray("v.avi"));
    QCOMPARE(rest, QByteArray("extra$$$more"));

    QByteArray shortRest("http://main");
    const TPushedContent missing = ReadPush(shortRest);
    QCOMPARE(missing.mainPage, QByteArray("http://main"));
    QVERIFY(missing.audio.isEmpty() && missing.video.isEmpty());
}

void TestCommServerInbound::chat_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<int>("colour");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<QList<QByteArray>>("lines");

    using L = QList<QByteArray>;
    QTest::newRow("hello_maroon") << QByteArray("128$$$0$$$Hello") << 128 << false << L{"Hello"};
    QTest::newRow("systemColour_negative") << QByteArray("-16777211$$$-1$$$x") << -16777211 << true << L{"x"};
    QTest::newRow("audioTrimmedBeforeConversion") << QByteArray("255$$$ -1\t$$$x") << 255 << true << L{"x"};
    QTest::newRow("audioOne_true") << QByteArray("0$$$1$$$x") << 0 << true << L{"x"};
    QTest::newRow("audioWord_false") << QByteArray("0$$$False$$$x") << 0 << false << L{"x"};
    QTest::newRow("quotedLineKeepsBlanks")
        << QByteArray("0$$$0$$$ Hi  there ") << 0 << false << L{" Hi  there "};
    QTest::newRow("twoLines") << QByteArray("0$$$0$$$Good" + D + " morning  all ") << 0 << false
                              << L{"Good", " morning  all "};
    QTest::newRow("separatorInsideMessageKept")
        << QByteArray("0$$$0$$$a$$$b" + D + "c") << 0 << false << L{"a$$$b", "c"};
    QTest::newRow("emptyLineBetween")
        << QByteArray("0$$$0$$$a" + D + D + "b") << 0 << false << L{"a", "", "b"};
    QTest::newRow("emptyLineAtEnd_noPiece") << QByteArray("0$$$0$$$a" + D) << 0 << false << L{"a"};
    QTest::newRow("singleEmptyLine_noPiece") << QByteArray("0$$$0$$$  ") << 0 << false << L{};
    QTest::newRow("noMessageField") << QByteArray("0$$$0") << 0 << false << L{};
}

void TestCommServerInbound::chat()
{
    QFETCH(QByteArray, rest);
    QFETCH(int, colour);
    QFETCH(bool, audio);
    QFETCH(QList<QByteArray>, lines);
    const TChatMark mark = ReadChatMark(rest);
    QCOMPARE(mark.colour, colour);
    QCOMPARE(mark.audio, audio);
    QCOMPARE(ReadMessageLines(rest), lines);
    QVERIFY(rest.isEmpty());
}

void TestCommServerInbound::chatMark_badFields_throw_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<QString>("message");
    QTest::newRow("colourNotANumber")
        << QByteArray("red$$$0$$$x") << QStringLiteral("'red' is not a valid integer value");
    QTest::newRow("colourMissing") << QByteArray() << QStringLiteral("'' is not a valid integer value");
    QTest::newRow("audioWord") << QByteArray("128$$$yes$$$x")
                               << QStringLiteral("'yes' is not a valid boolean value");
    QTest::newRow("audioMissing") << QByteArray("128") << QStringLiteral("'' is not a valid boolean value");
}

void TestCommServerInbound::chatMark_badFields_throw()
{
    QFETCH(QByteArray, rest);
    QFETCH(QString, message);
    try {
        ReadChatMark(rest);
        QFAIL("no error");
    } catch (const Quillon::ConvertError& error) {
        QCOMPARE(error.message(), message);
    }
}

void TestCommServerInbound::addressedChat_recipientFirst()
{
    QByteArray rest("Ann Lee$$$128$$$-1 $$$Hello" + D + "you");
    QCOMPARE(ReadRecipient(rest), QByteArray("Ann Lee"));
    const TChatMark mark = ReadChatMark(rest);
    QCOMPARE(mark.colour, 128);
    QVERIFY(mark.audio);
    QCOMPARE(ReadMessageLines(rest), (QList<QByteArray>{"Hello", "you"}));
}

void TestCommServerInbound::isFromTeacher_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<bool>("shown");
    QTest::newRow("exact") << QByteArray("Teacher") << true;
    QTest::newRow("trailingBlank_trimmed") << QByteArray("Teacher ") << true;
    QTest::newRow("surroundingControls_trimmed") << QByteArray(" \tTeacher\r") << true;
    QTest::newRow("lowerCase_notShown") << QByteArray("teacher") << false;
    QTest::newRow("longer_notShown") << QByteArray("Teachers") << false;
    QTest::newRow("empty_notShown") << QByteArray() << false;
}

void TestCommServerInbound::isFromTeacher()
{
    QFETCH(QByteArray, first);
    QFETCH(bool, shown);
    QCOMPARE(IsFromTeacher(first), shown);
}

void TestCommServerInbound::status_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<int>("status"); // -999: throws
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("winking") << QByteArray("3") << 3 << QByteArray();
    QTest::newRow("leadingBlankAccepted") << QByteArray(" 2$$$x") << 2 << QByteArray("x");
    QTest::newRow("outOfRangeReadAsIs") << QByteArray("9") << 9 << QByteArray();
    QTest::newRow("letter_throws") << QByteArray("x") << -999 << QByteArray();
    QTest::newRow("missing_throws") << QByteArray() << -999 << QByteArray();
    QTest::newRow("trailingBlank_throws") << QByteArray("3 ") << -999 << QByteArray();
}

void TestCommServerInbound::status()
{
    QFETCH(QByteArray, rest);
    QFETCH(int, status);
    QFETCH(QByteArray, left);
    if (status == -999) {
        QVERIFY_THROWS_EXCEPTION(Quillon::ConvertError, ReadStatus(rest));
        return;
    }
    QCOMPARE(ReadStatus(rest), status);
    QCOMPARE(rest, left);
}

void TestCommServerInbound::classStatus_data()
{
    QTest::addColumn<QByteArray>("rest");
    QTest::addColumn<int>("teacher");
    QTest::addColumn<QList<QByteArray>>("groups"); // "first|last|status", in order
    QTest::addColumn<bool>("throwsAfter");

    using L = QList<QByteArray>;
    QTest::newRow("teacherAndTwoStudents")
        << QByteArray("1$$$Ann$$$Lee$$$0$$$Bo$$$Li$$$5") << 1 << L{"Ann|Lee|0", "Bo|Li|5"} << false;
    QTest::newRow("teacherOnly") << QByteArray("7") << 7 << L{} << false;
    QTest::newRow("trailingSeparator_noGroup")
        << QByteArray("1$$$Ann$$$Lee$$$2$$$") << 1 << L{"Ann|Lee|2"} << false;
    QTest::newRow("trailingBlanks_noGroup")
        << QByteArray("1$$$Ann$$$Lee$$$2$$$ \t") << 1 << L{"Ann|Lee|2"} << false;
    QTest::newRow("lastGroupLacksStatus_earlierApplied")
        << QByteArray("1$$$Ann$$$Lee$$$0$$$Bo$$$Li") << 1 << L{"Ann|Lee|0"} << true;
    QTest::newRow("badStatusInMiddle_stops")
        << QByteArray("1$$$Ann$$$Lee$$$x$$$Bo$$$Li$$$5") << 1 << L{} << true;
}

void TestCommServerInbound::classStatus()
{
    QFETCH(QByteArray, rest);
    QFETCH(int, teacher);
    QFETCH(QList<QByteArray>, groups);
    QFETCH(bool, throwsAfter);

    QCOMPARE(ReadStatus(rest), teacher);
    QList<QByteArray> seen;
    bool threw = false;
    try {
        while (const std::optional<TStatusGroup> group = NextStatusGroup(rest))
            seen << group->first + '|' + group->last + '|' + QByteArray::number(group->status);
    } catch (const Quillon::ConvertError&) {
        threw = true;
    }
    QCOMPARE(seen, groups);
    QCOMPARE(threw, throwsAfter);
}

void TestCommServerInbound::noticeAndVerdict()
{
    QByteArray notice("Hello$$$World");
    QCOMPARE(ReadNotice(notice), QByteArray("Hello"));
    QCOMPARE(notice, QByteArray("World"));

    QByteArray verdict("Hello$$$World");
    QCOMPARE(ReadVerdict(verdict), QByteArray("Hello$$$World"));
    QVERIFY(verdict.isEmpty());

    QByteArray none;
    QCOMPARE(ReadNotice(none), QByteArray());
    QCOMPARE(ReadVerdict(none), QByteArray());
}

void TestCommServerInbound::authenticationFailure_data()
{
    QTest::addColumn<QByteArray>("verdict");
    QTest::addColumn<bool>("ends");
    QTest::newRow("exact") << QByteArray("Authentication Failed!") << true;
    QTest::newRow("trailingBlank") << QByteArray("Authentication Failed! ") << false;
    QTest::newRow("leadingBlank") << QByteArray(" Authentication Failed!") << false;
    QTest::newRow("otherCase") << QByteArray("authentication failed!") << false;
    QTest::newRow("withFurtherField") << QByteArray("Authentication Failed!$$$") << false;
}

void TestCommServerInbound::authenticationFailure()
{
    QFETCH(QByteArray, verdict);
    QFETCH(bool, ends);
    QCOMPARE(IsAuthenticationFailure(verdict), ends);
}

QTEST_APPLESS_MAIN(TestCommServerInbound)
#include "tst_commserverinbound.moc"
