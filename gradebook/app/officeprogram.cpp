#include "gradebook/app/officeprogram.h"

#include "common/platform/curlmailtransport.h"

#include <utility>

namespace Cortelle {

namespace {

Quillon::TProgramOptions WithRealServices(Quillon::TProgramOptions options)
{
    options.Services = Quillon::FillRealServices(std::move(options.Services));
    if (!options.Services.Mail)
        options.Services.Mail = std::make_unique<Quillon::TCurlMailTransport>();
    return options;
}

} // namespace

TProgram::TProgram(Quillon::TProgramOptions options)
    : App(QStringLiteral("Cortelle")), Options(WithRealServices(std::move(options))),
      Form_Main(std::make_unique<TForm_Main>(Options)), Form_Login(std::make_unique<Quillon::TForm_Login>()),
      Form_Select(std::make_unique<Quillon::TForm_Select>())
{
    Form_Main->SetDialogs(Form_Login.get(), Form_Select.get());
}

} // namespace Cortelle
