#pragma once

#include "loginform.h"
#include "mainform.h"
#include "selectform.h"

#include <memory>

namespace Cortelle {

// The course office's windows, in the order the program entry creates them. Destroyed in reverse.
struct TProgram
{
    TProgram();

    std::unique_ptr<TForm_Main> Form_Main;
    std::unique_ptr<Quillon::TForm_Login> Form_Login;
    std::unique_ptr<Quillon::TForm_Select> Form_Select;
};

} // namespace Cortelle
