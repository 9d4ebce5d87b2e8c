#include "optimization/frmOtiD.h"

#include "core/ObjectFile.h"
#include "optimization/DesktopSettings.h"
#include "optimization/OpenWithVerb.h"
#include "core/Settings.h"
#include "core/StorableText.h"

namespace optimization {
namespace {

using forms::Label;

constexpr int kPairWidth = 96;
constexpr int kPairHeight = 26;

forms::Rect PairAt(int y) {
    return {24, y, kPairWidth, kPairHeight};
}

}  // namespace

frmOtiD::frmOtiD(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmOtiD", "Desktop", 380, 250),
      Label1(*this, "Label1", {16, 14, 348, 18}, "Acelerar menus:"),
      menus(*this, "Label7", "Label8", PairAt(36)),
      Label6(*this, "Label6", {16, 84, 348, 18}, "Animações do Windows ao Maximizar/Minimizar:"),
      animation(*this, "Label2", "Label3", PairAt(106)),
      Label9(*this, "Label9", {16, 154, 348, 18},
             "Habilitando \"Abrir Com...\" para todos os arquivos:"),
      openWith(*this, "Label4", "Label5", PairAt(176)),
      context_(context) {
    menus.onChoose = [this](bool on) { MenuSpeed_Click(on); };
    animation.onChoose = [this](bool on) { Animation_Click(on); };
    openWith.onChoose = [this](bool on) { OpenWith_Click(on); };
}

void frmOtiD::Load() {
    RegistryAccess& registry = context_.registry;
    const DesktopValue& delay = kMenuShowDelay;
    menus.Show(registry.GetValue(delay.hive, delay.key, delay.valueName) == delay.onData);
    // Windows reads the animation flag as a number; anything that is not one
    // (absent, empty, words) counts as off.
    const DesktopValue& animate = kMinAnimate;
    auto number = ParseSigned32(registry.GetValue(animate.hive, animate.key, animate.valueName));
    animation.Show(number && *number == 1);
    openWith.Show(OpenWithVerbIsOn(registry));
}

void frmOtiD::MenuSpeed_Click(bool on) {
    if (Write(kMenuShowDelay, on, "a velocidade dos menus")) menus.Show(on);
}

void frmOtiD::Animation_Click(bool on) {
    if (Write(kMinAnimate, on, "a animação das janelas")) animation.Show(on);
}

bool frmOtiD::Write(const DesktopValue& value, bool on, std::string_view what) {
    if (context_.registry.SetValue(value.hive, value.key, value.valueName,
                                   on ? value.onData : value.offData, ValueType::String) == 0)
        return true;
    core::ShowNotStored(context_, value.hive, value.key, what);
    return false;
}

void frmOtiD::OpenWith_Click(bool on) {
    if (!SetOpenWithVerb(context_.registry, context_.files, on))
        return core::ShowNotStored(context_, "o \"Abrir Com...\" para todos os arquivos");
    openWith.Show(on);
}

}  // namespace optimization
