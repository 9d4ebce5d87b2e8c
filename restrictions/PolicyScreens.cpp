#include "restrictions/PolicyScreens.h"

namespace restrictions {
namespace {

constexpr PolicyScreenDefinition kSystemScreen{"frmRestS",
                                               "Sistema",
                                               kSystemPolicies,
                                               "Label1",
                                               "Label2",
                                               "Label3",
                                               "Restrições aplicadas com sucesso"};

constexpr PolicyScreenDefinition kDesktopScreen{"frmRestD",
                                                "Desktop",
                                                kDesktopPolicies,
                                                "Label3",
                                                "Label4",
                                                "Label5",
                                                "As alterações foram efetuadas com sucesso"};

constexpr PolicyScreenDefinition kExplorerScreen{"frmRestEx",
                                                 "Explorer",
                                                 kExplorerPolicies,
                                                 "Label3",
                                                 "Label4",
                                                 "Label5",
                                                 "As alterações foram efetuadas com sucesso"};

}  // namespace

frmRestS::frmRestS(forms::Screens& screens, core::Context& context)
    : PolicyScreen(screens, context, kSystemScreen) {}

frmRestD::frmRestD(forms::Screens& screens, core::Context& context)
    : PolicyScreen(screens, context, kDesktopScreen) {}

frmRestEx::frmRestEx(forms::Screens& screens, core::Context& context)
    : PolicyScreen(screens, context, kExplorerScreen) {}

}  // namespace restrictions
