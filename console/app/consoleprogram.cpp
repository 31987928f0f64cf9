#include "console/app/consoleprogram.h"

namespace Brivane {

TProgram::TProgram(Quillon::TProgramOptions options)
    : App(QStringLiteral("Brivane")), Options(std::move(options))
{
    Options.Services = Quillon::FillRealServices(std::move(Options.Services));
    Form_Main = std::make_unique<TForm_Main>(Options);
    Form_Login = std::make_unique<Quillon::TForm_Login>();
    Form_Select = std::make_unique<Quillon::TForm_Select>();
    Form_Main->SetDialogs(Form_Login.get(), Form_Select.get());
}

} // namespace Brivane
