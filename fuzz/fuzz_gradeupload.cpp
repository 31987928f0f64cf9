// The development server's check of a grade upload against the sample course and its roster.
#include "fuzz/fuzzsupport.h"

#include "common/core/error.h"
#include "devserver/classdata.h"
#include "devserver/uploadparser.h"

#include <QCoreApplication>

using namespace Quillon;
using namespace Quillon::DevServer;
using Fuzz::Require;

namespace {

const ClassData* Data = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QCoreApplication>();
    static const ClassData data = LoadClassData(QStringLiteral(QUILLON_DEVSERVER_DATA_DIR "/class.ini"));
    Data = &data;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray rest = Fuzz::Bytes(data, size);
    for (const Course& course : Data->courses) {
        const QList<SampleStudent> roster = ClassRoster(course, -1);
        try {
            const QList<GradeRecord> records = ParseGradeUpload(rest, course, roster);
            Require(records.size() <= roster.size(), "each roster student at most once");
            for (const GradeRecord& record : records)
                Require(course.columns.isEmpty() || record.grades.count(';') + 1 == course.columns.size(),
                        "one value per column");
        } catch (const Error&) {
        }
    }
    return 0;
}
