// Every line the console writes to the communication server, byte for byte.
#include "console/protocol/commserverprotocol.h"

#include "common/core/wire.h"

#include <QLocale>
#include <QTest>

using namespace Brivane::CommServer;

namespace {
const QByteArray H = Quillon::PacketHeader + Quillon::FieldSeparator;
const QByteArray D(1, Quillon::LineDelimiter);
} // namespace

class TestCommServerOutbound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void meetingInfo_dateInShortSystemFormat();
};

void TestCommServerOutbound::lines_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("push_allEmpty_codeThreeEmptyFieldsAnd0") << PushLine("", "", "") << H + "1$$$$$$$$$$$$0";
    QTest::newRow("push_addressesUnchanged")
        << PushLine(" http://a/x ", "a.mp3", "v.avi") << H + "1$$$ http://a/x $$$a.mp3$$$v.avi$$$0";

    QTest::newRow("publicChat_hello_maroon_noAudio")
        << PublicChatLine(128, false, {"Hello"}) << H + "2$$$128$$$0$$$Hello";
    QTest::newRow("publicChat_blanksQuoted")
        << PublicChatLine(255, true, {"Hi there"}) << H + "2$$$255$$$-1$$$ Hi  there ";
    QTest::newRow("publicChat_twoLines_secondQuoted") << PublicChatLine(128, false, {"Good", "morning all"})
                                                      << H + "2$$$128$$$0$$$Good" + D + " morning  all ";
    QTest::newRow("publicChat_systemColourNegative")
        << PublicChatLine(std::int32_t(0xFF000005), false, {"x"}) << H + "2$$$-16777211$$$0$$$x";
    QTest::newRow("publicChat_separatorInTextSentAsIs")
        << PublicChatLine(0, false, {"a$$$b"}) << H + "2$$$0$$$0$$$a$$$b";
    QTest::newRow("publicChat_singleEmptyLine_twoBlanks")
        << PublicChatLine(0, false, {""}) << H + "2$$$0$$$0$$$  ";

    QTest::newRow("privateChat_annLee_audio")
        << PrivateChatLine("Ann Lee", 128, true, {"Hello"}) << H + "13$$$Ann Lee$$$128$$$-1$$$Hello";

    QTest::newRow("identification_namesAsTyped")
        << IdentificationLine(" Ann ", "Lee  ", "Algebra") << H + "2$$$ Ann $$$Lee  $$$Algebra";
    QTest::newRow("identification_allEmpty") << IdentificationLine("", "", "") << H + "2$$$$$$$$$";

    QTest::newRow("drawing_none_codeAlone") << DrawingLine({}) << H + "3";
    QTest::newRow("drawing_actionsOneAfterAnother")
        << DrawingLine({"0$$$1$$$2", "-1$$$3"}) << H + "3$$$0$$$1$$$2$$$-1$$$3";

    QTest::newRow("pushPermission_grant")
        << PushPermissionLine("Ann", "Lee", true) << H + "5$$$Ann$$$Lee$$$-1";
    QTest::newRow("pushPermission_revoke") << PushPermissionLine("Bo", "", false) << H + "5$$$Bo$$$$$$0";

    QTest::newRow("expression_winking") << ExpressionLine(3) << H + "7$$$3";

    QTest::newRow("onlyPushToTeacher_checked") << OnlyPushToTeacherLine(true) << H + "14$$$-1";
    QTest::newRow("onlyPushToTeacher_unchecked") << OnlyPushToTeacherLine(false) << H + "14$$$0";
    QTest::newRow("disablePrivateTalking_checked") << DisablePrivateTalkingLine(true) << H + "15$$$-1";
    QTest::newRow("disablePrivateTalking_unchecked") << DisablePrivateTalkingLine(false) << H + "15$$$0";

    const QDate day(2024, 3, 5);
    QTest::newRow("meetingInfo_fieldOrder")
        << MeetingInfoLine({"Plan it"}, day, {"a", "b"}, {"done"})
        << H + "11$$$ Plan  it $$$" + ShortDate(day) + "$$$a" + D + "b$$$done";
    QTest::newRow("meetingInfo_emptyTexts_keepDate")
        << MeetingInfoLine({}, day, {}, {}) << H + "11$$$$$$" + ShortDate(day) + "$$$$$$";
}

void TestCommServerOutbound::lines()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, expected);
    QCOMPARE(built, expected);
}

void TestCommServerOutbound::meetingInfo_dateInShortSystemFormat()
{
    const QDate day(2024, 3, 5);
    const QByteArray text = ShortDate(day);
    QVERIFY(!text.isEmpty());
    QCOMPARE(QString::fromLatin1(text), QLocale::system().toString(day, QLocale::ShortFormat));
    // The tests run under the C locale, whose short form is fixed.
    QCOMPARE(QLocale::system().name(), QStringLiteral("C"));
    QCOMPARE(text, QByteArray("5 Mar 2024"));
}

QTEST_APPLESS_MAIN(TestCommServerOutbound)
#include "tst_commserveroutbound.moc"
