#pragma once

#include "common/ui/application.h"
#include "common/ui/loginform.h"
#include "common/ui/programoptions.h"
#include "common/ui/selectform.h"
#include "gradebook/app/officemainform.h"

#include <memory>

namespace Cortelle {

// The course office: its application object, how it was started, and its windows in the order
// the program entry creates them. Destroyed in reverse.
struct TProgram
{
    explicit TProgram(Quillon::TProgramOptions options = {});

    Quillon::TApplication App;        // first: titled "Cortelle"; the windows use it
    Quillon::TProgramOptions Options; // services filled with the real ones where empty
    std::unique_ptr<TForm_Main> Form_Main;
    std::unique_ptr<Quillon::TForm_Login> Form_Login;
    std::unique_ptr<Quillon::TForm_Select> Form_Select;
};

} // namespace Cortelle
