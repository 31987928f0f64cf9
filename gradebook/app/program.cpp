#include "program.h"

namespace Cortelle {

TProgram::TProgram()
    : Form_Main(std::make_unique<TForm_Main>()), Form_Login(std::make_unique<Quillon::TForm_Login>()),
      Form_Select(std::make_unique<Quillon::TForm_Select>())
{
    Form_Main->SetDialogs(Form_Login.get(), Form_Select.get());
}

} // namespace Cortelle
