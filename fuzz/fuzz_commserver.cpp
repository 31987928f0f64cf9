// Every inbound line of the communication server through the console's link: header check,
// sender, code, then the readers each code's handler runs, in the handlers' order, against a
// small class. Conversion errors are the report the teacher sees; anything else is a fault.
#include "fuzz/fuzzsupport.h"

#include "common/core/error.h"
#include "common/core/studentlist.h"
#include "console/chat/chattext.h"
#include "console/link/classlink.h"
#include "console/protocol/commserverprotocol.h"

#include <QCoreApplication>

using namespace Quillon;
using namespace Brivane;
using Fuzz::Require;

namespace {

struct TClass
{
    TStudentList roster;
    TStudent teacher;
    TClassLink link{1000};

    TClass()
    {
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            TStudent* student = roster.Add();
            student->FFirstName = name;
            student->FLastName = "Lee";
        }
        link.SetSenderShown([this](const QByteArray& first, const QByteArray& last) {
            if (TStudent* student = roster.FindByName(first, last))
                student->SetStatus(ssHappy);
        });
        const auto chat = [](const CommServer::TSender&, QByteArray& rest) {
            CommServer::ReadChatMark(rest);
            ChatText::ShownPieces(CommServer::ReadMessageLines(rest));
            Require(rest.isEmpty(), "the message is the last field");
        };
        link.Register(CommServer::icIdentify, [](const CommServer::TSender&, QByteArray&) {});
        link.Register(CommServer::icPush,
                      [](const CommServer::TSender&, QByteArray& rest) { CommServer::ReadPush(rest); });
        link.Register(CommServer::icPublicChat, chat);
        link.Register(CommServer::icPrivateChat, chat);
        link.Register(CommServer::icAddressedChat,
                      [chat](const CommServer::TSender& sender, QByteArray& rest) {
                          CommServer::ReadRecipient(rest);
                          CommServer::IsFromTeacher(sender.first);
                          chat(sender, rest);
                      });
        link.Register(CommServer::icStudentStatus,
                      [this](const CommServer::TSender& sender, QByteArray& rest) {
                          if (TStudent* student = roster.FindByName(sender.first, sender.last))
                              student->SetStatus(CommServer::ReadStatus(rest));
                      });
        link.Register(CommServer::icTeacherStatus, [this](const CommServer::TSender&, QByteArray& rest) {
            teacher.SetStatus(CommServer::ReadStatus(rest));
        });
        link.Register(CommServer::icClassStatus, [this](const CommServer::TSender&, QByteArray& rest) {
            teacher.SetStatus(CommServer::ReadStatus(rest));
            while (const auto group = CommServer::NextStatusGroup(rest)) {
                if (TStudent* student = roster.FindByName(group->first, group->last))
                    student->SetStatus(group->status);
            }
        });
        link.Register(CommServer::icNotice,
                      [](const CommServer::TSender&, QByteArray& rest) { CommServer::ReadNotice(rest); });
        link.Register(CommServer::icVerdict, [](const CommServer::TSender&, QByteArray& rest) {
            CommServer::IsAuthenticationFailure(CommServer::ReadVerdict(rest));
            Require(rest.isEmpty(), "the verdict takes the whole rest");
        });
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QCoreApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TClass room;
    for (const QByteArray& line : Fuzz::InputLines(Fuzz::Bytes(data, size))) {
        try {
            room.link.HandleLine(line);
        } catch (const ConvertError&) {
        }
        for (const auto& student : room.roster)
            Require(student->FStatus <= ssAsleep, "a status stays one of the eight");
        Require(room.teacher.FStatus <= ssAsleep, "the teacher's status stays one of the eight");
    }
    return 0;
}
