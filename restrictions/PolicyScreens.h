#pragma once
// The three policy screens: system, desktop and Start menu, explorer and
// control panels. Each is the common policy screen over its own catalogue.
#include "restrictions/PolicyScreen.h"

namespace restrictions {

class frmRestS : public PolicyScreen {
  public:
    frmRestS(forms::Screens& screens, core::Context& context);
};

class frmRestD : public PolicyScreen {
  public:
    frmRestD(forms::Screens& screens, core::Context& context);
};

class frmRestEx : public PolicyScreen {
  public:
    frmRestEx(forms::Screens& screens, core::Context& context);
};

}  // namespace restrictions
