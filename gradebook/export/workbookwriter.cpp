#include "gradebook/export/workbookwriter.h"

#include "common/core/ansi.h"
#include "common/core/error.h"
#include "gradebook/export/exportblock.h"

#include <QFile>
#include <QFileInfo>

#include <xlsxwriter.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace Cortelle {

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions GroupOrOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                   QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                   QFileDevice::WriteOther | QFileDevice::ExeOther;

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw Quillon::Error(u"The spreadsheet file %1 could not be written: %2."_s.arg(path, reason));
}

QString Reason(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

// The workbook holds grades: the file is the owner's alone from the moment it exists. The
// library opens it with the process's umask, so it is created here first and only truncated there.
void CreateOwnerOnly(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        Fail(path, u"a folder of that name is in the way"_s);
    }
    if (file.exists()) {
        if (!file.setPermissions(OwnerOnly)) {
            Fail(path, file.errorString());
        }
    } else if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly)) {
        Fail(path, file.errorString());
    }
}

// Closes (and frees) the workbook on every way out.
struct WorkbookCloser
{
    lxw_workbook* workbook;
    lxw_error Close()
    {
        lxw_workbook* open = std::exchange(workbook, nullptr);
        return open ? workbook_close(open) : LXW_NO_ERROR;
    }
    ~WorkbookCloser() { Close(); }
};

void WriteCells(lxw_worksheet* sheet, const ExportBlock& block, const QString& path)
{
    for (int r = 0; r < block.Rows(); ++r) {
        for (int c = 0; c < block.Cols(); ++c) {
            const QByteArray& text = block.At(r, c);
            if (text.isEmpty()) {
                continue; // an empty text cell is no cell at all
            }
            const QByteArray utf8 = Quillon::Ansi::ToDisplay(text).toUtf8();
            const lxw_error error =
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), utf8.constData(), nullptr);
            if (error != LXW_NO_ERROR) {
                Fail(path, u"row %1, column %2: %3"_s.arg(r + 1).arg(c + 1).arg(Reason(error)));
            }
        }
    }
}

void WriteFile(const ExportBlock& block, const QString& path)
{
    const QByteArray fileName = QFile::encodeName(path);
    const QByteArray tmpDir = QFile::encodeName(QFileInfo(path).absolutePath());
    lxw_workbook_options options{};
    // Rows go out in order, so each one can be flushed at once: measured faster than keeping the
    // whole sheet and a shared string table (1000 students by 50 columns: ~80 ms against ~115 ms).
    options.constant_memory = LXW_TRUE;
    // The library's scratch files hold the same grades: keep them beside the workbook.
    options.tmpdir = const_cast<char*>(tmpDir.constData());
    WorkbookCloser closer{workbook_new_opt(fileName.constData(), &options)};
    if (!closer.workbook) {
        Fail(path, Reason(LXW_ERROR_MEMORY_MALLOC_FAILED));
    }
    lxw_worksheet* sheet = workbook_add_worksheet(closer.workbook, nullptr);
    if (!sheet) {
        Fail(path, u"no worksheet"_s);
    }
    WriteCells(sheet, block, path);
    const lxw_error error = closer.Close();
    if (error != LXW_NO_ERROR) {
        Fail(path, Reason(error));
    }
    if (!QFile::setPermissions(path, OwnerOnly) || (QFile::permissions(path) & GroupOrOthers)) {
        Fail(path, u"its permissions could not be restricted to the owner"_s);
    }
}

} // namespace

void WriteWorkbook(const ExportBlock& block, const QString& path)
{
    CreateOwnerOnly(path);
    try {
        WriteFile(block, path);
    } catch (...) {
        QFile::remove(path); // no half-written workbook stays behind
        throw;
    }
}

} // namespace Cortelle
