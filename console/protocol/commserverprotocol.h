#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>

#include <cstdint>
#include <optional>

// The lines of the communication-server connection, both directions. Widget-free.
//
// Builders return the whole line to write (header, "$$$", payload; no CR LF): hand it to
// TClassLink::Send. Integers and colours go out in signed decimal, booleans as "-1"/"0",
// multi-line texts through JoinLines, texts unchanged.
//
// Readers consume `rest`, the part of an inbound line after its code field, one field per call,
// in the order the message holds them; a field missing at the end reads as empty. A field that
// must convert and does not throws Quillon::ConvertError ("'x' is not a valid integer value"):
// whatever the caller did with the fields read before stays done, and the rest of the message is
// left unhandled. Readers never touch anything but `rest`.
namespace Brivane::CommServer {

// Codes of the lines the server delivers (after the sender's two names).
enum TInCode : int {
    icIdentify = 0,
    icPush = 1,
    icPublicChat = 2,
    icStudentStatus = 4,
    icTeacherStatus = 7,
    icNotice = 8,
    icClassStatus = 9,
    icVerdict = 10,
    icPrivateChat = 12,   // a student's private message to the teacher
    icAddressedChat = 13, // a private message with a recipient
};

// Codes of the lines the console writes.
enum TOutCode : int {
    ocPush = 1,
    ocChat = 2, // public chat and identification share it
    ocDrawing = 3,
    ocPushPermission = 5,
    ocExpression = 7,
    ocMeetingInfo = 11,
    ocPrivateChat = 13,
    ocOnlyPushToTeacher = 14,
    ocDisablePrivateTalking = 15,
};

// ---- console to server -------------------------------------------------------------------

// 1: the three addresses and a boolean that is always "0".
QByteArray PushLine(const QByteArray& mainPage, const QByteArray& audio, const QByteArray& video);
// 2: colour (the 32-bit colour value, 0x00BBGGRR), audio mark, the lines joined by JoinLines.
QByteArray PublicChatLine(std::int32_t colour, bool audio, const QList<QByteArray>& lines);
// 2: the answer to icIdentify: names as typed at login and the course chosen at sign-in.
QByteArray IdentificationLine(const QByteArray& first, const QByteArray& last, const QByteArray& course);
// 3: each item is one draw action's text form (its own fields already joined by "$$$"), oldest
// first. No actions give the code alone, with no field after it.
QByteArray DrawingLine(const QList<QByteArray>& actionTexts);
// 5: the student's first and last name, granted "-1" or revoked "0".
QByteArray PushPermissionLine(const QByteArray& first, const QByteArray& last, bool granted);
// 7: the expression number (the button's tag, 1..6).
QByteArray ExpressionLine(int expression);
// 11: purpose, date, agenda and conclusion; each text given as its lines, the date written in the
// workstation's short date format (ShortDate).
QByteArray MeetingInfoLine(const QList<QByteArray>& purpose, const QDate& date,
                           const QList<QByteArray>& agenda, const QList<QByteArray>& conclusion);
// 13: recipient's display name as chosen in the list, then as PublicChatLine.
QByteArray PrivateChatLine(const QByteArray& recipient, std::int32_t colour, bool audio,
                           const QList<QByteArray>& lines);
// 14 and 15: the check box's state after the click.
QByteArray OnlyPushToTeacherLine(bool checked);
QByteArray DisablePrivateTalkingLine(bool checked);

// The date as the workstation's regional settings write it in short form, as wire bytes.
QByteArray ShortDate(const QDate& date);

// ---- server to console -------------------------------------------------------------------

// The start of every inbound line, read by the communication loop.
struct TSender
{
    QByteArray first;
    QByteArray last;
};
// Cuts the header field; false (drop the line) unless it is exactly the packet header.
bool ReadHeader(QByteArray& line);
// The sender's first and last name (empty when missing).
TSender ReadSender(QByteArray& rest);
// The code field as an integer; nullopt when it does not convert (the line is dropped silently).
std::optional<int> ReadCode(QByteArray& rest);

// 1: the three addresses; anything after them stays unread in `rest`.
struct TPushedContent
{
    QByteArray mainPage;
    QByteArray audio;
    QByteArray video;
};
TPushedContent ReadPush(QByteArray& rest);

// 2, 12 and 13 after its recipient: the colour (integer conversion) and the audio mark (trimmed
// of codes <= 32, then the boolean conversion). Throws on either.
struct TChatMark
{
    std::int32_t colour = 0;
    bool audio = false;
};
TChatMark ReadChatMark(QByteArray& rest);
// The message of 2, 12 and 13, always the last field: the rest cut at 0xC0 while it is not empty
// after trimming; pieces unchanged (quoting blanks kept), "$$$" inside them kept. Empties `rest`.
QList<QByteArray> ReadMessageLines(QByteArray& rest);
// 13: the recipient's display name, read before the chat mark.
QByteArray ReadRecipient(QByteArray& rest);
// 13 is shown only when the sender's first name, trimmed of codes <= 32, is exactly "Teacher".
bool IsFromTeacher(const QByteArray& senderFirst);

// 4 and 7: one status (integer conversion; 0..7 meaningful, others for SetStatus to ignore).
int ReadStatus(QByteArray& rest);

// 9: first ReadStatus for the teacher's own status, then NextStatusGroup until it returns
// nullopt, applying each group as it comes:
//     SetOwnStatus(CommServer::ReadStatus(rest));
//     while (auto group = CommServer::NextStatusGroup(rest)) ...
struct TStatusGroup
{
    QByteArray first;
    QByteArray last;
    int status = 0;
};
// nullopt once `rest`, trimmed of codes <= 32, is empty; otherwise cuts three fields. Throws when
// the status does not convert (a group lacking its status reads an empty one and throws).
std::optional<TStatusGroup> NextStatusGroup(QByteArray& rest);

// 8: the one field to show; anything after it stays unread.
QByteArray ReadNotice(QByteArray& rest);
// 10: the whole rest, separators included. Empties `rest`.
QByteArray ReadVerdict(QByteArray& rest);
// The verdict that ends the console: "Authentication Failed!" exactly.
bool IsAuthenticationFailure(const QByteArray& verdict);

} // namespace Brivane::CommServer
