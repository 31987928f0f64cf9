// Every line the name server sends to the console or the office, through the readers both
// programs use: the header check and code, then each reader on what follows.
#include "fuzz/fuzzsupport.h"

#include "common/core/error.h"
#include "common/core/nameserverprotocol.h"
#include "common/core/studentlist.h"

using namespace Quillon;
using Fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray line = Fuzz::Bytes(data, size);
    if (!NameServer::ReadCode(line))
        return 0;
    // Each reader gets the same rest, whatever the code, so every reader meets every input.
    {
        QByteArray rest = line;
        QList<QByteArray> courses;
        NameServer::ReadCourseList(rest, courses);
        Require(rest.isEmpty(), "the course list reads to the end of the line");
    }
    try {
        QByteArray rest = line;
        NameServer::ReadCommServer(rest);
    } catch (const ConvertError&) {
    }
    {
        QByteArray rest = line;
        TStudentList roster;
        NameServer::ReadConsoleRoster(rest, roster);
        for (const auto& student : roster)
            Require(student->FStatus == ssOffline && student->FPushPermission,
                    "a console student starts offline");
    }
    {
        QByteArray rest = line;
        TStudentList roster;
        NameServer::ReadOfficeRoster(rest, roster);
    }
    {
        QByteArray rest = line;
        QList<QByteArray> columnTitles;
        QList<QByteArray> groupTitleTexts;
        NameServer::ReadTitles(rest, columnTitles, groupTitleTexts);
    }
    return 0;
}
