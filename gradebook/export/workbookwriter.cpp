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

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The cell text in the file format's own escapes, so the spreadsheet program shows it as typed:
// the format reads "_xHHHH_" as the character HHHH, so such a sequence in the text gets its
// underscore escaped ("_x005F_"), and a NUL byte, which neither XML nor the library's C string
// can hold, becomes "_x0000_". The library escapes the other control characters itself.
QByteArray EscapedCellText(const QByteArray& utf8)
{
    QByteArray escaped;
    escaped.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\0') {
            escaped.append("_x0000_");
            continue;
        }
        if (c == '_' && i + 6 < utf8.size() && utf8[i + 1] == 'x' && IsHexDigit(utf8[i + 2]) &&
            IsHexDigit(utf8[i + 3]) && IsHexDigit(utf8[i + 4]) && IsHexDigit(utf8[i + 5]) &&
            utf8[i + 6] == '_') {
            escaped.append("_x005F_");
            continue;
        }
        escaped.append(c);
    }
    return escaped;
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
            const QByteArray utf8 = EscapedCellText(Quillon::Ansi::ToDisplay(text).toUtf8());
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
