#pragma once

#include "loginform.h"
#include "mainform.h"
#include "selectform.h"

#include <memory>

namespace Brivane {

// The console's windows, created in the order the program entry needs them: the main window,
// then the login and course dialogs (hidden). Destroyed in reverse order.
struct TProgram
{
    TProgram();

    std::unique_ptr<TForm_Main> Form_Main;
    std::unique_ptr<Quillon::TForm_Login> Form_Login;
    std::unique_ptr<Quillon::TForm_Select> Form_Select;
};

} // namespace Brivane
