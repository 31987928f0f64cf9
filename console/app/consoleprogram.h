#pragma once

#include "common/ui/application.h"
#include "common/ui/loginform.h"
#include "common/ui/programoptions.h"
#include "common/ui/selectform.h"
#include "console/app/consolemainform.h"

#include <memory>

namespace Brivane {

// The console as a program: its application object, its options with the desktop services, and
// its windows, created in the order the program entry needs them: the main window, then the
// login and course dialogs (hidden). Destroyed in reverse order.
struct TProgram
{
    explicit TProgram(Quillon::TProgramOptions options = {});

    Quillon::TApplication App;
    Quillon::TProgramOptions Options; // every service filled in
    std::unique_ptr<TForm_Main> Form_Main;
    std::unique_ptr<Quillon::TForm_Login> Form_Login;
    std::unique_ptr<Quillon::TForm_Select> Form_Select;
};

} // namespace Brivane
