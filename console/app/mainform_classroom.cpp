#include "mainform.h"

namespace Brivane {

void TForm_Main::DrawClassroom()
{
}

void TForm_Main::SetOwnStatus(int status)
{
    FTeacher->SetStatus(status);
}

void TForm_Main::MarkOnline(const QByteArray&, const QByteArray&)
{
}

void TForm_Main::HandleStudentStatus(const QByteArray&, const QByteArray&, QByteArray&)
{
}

void TForm_Main::HandleTeacherStatus(QByteArray&)
{
}

void TForm_Main::HandleClassStatus(QByteArray&)
{
}

} // namespace Brivane
