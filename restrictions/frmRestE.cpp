#include "restrictions/frmRestE.h"

#include "applocker/OutsideExplorer.h"
#include "core/ObjectFile.h"
#include "forms/Screens.h"
#include "restrictions/AllowList.h"
#include "restrictions/frmWizrd2.h"
#include "core/StorableText.h"

namespace restrictions {
namespace {

using forms::Label;

constexpr int kButtonsLeft = 256;
constexpr int kButtonWidth = 120;
constexpr int kButtonPitch = 36;
// Exclamation icon with OK: the list was applied, but not all of it.
constexpr int kWarningStyle = 48;
// Names listed in that warning; the count of the rest follows them.
constexpr std::size_t kNamesShown = 15;

forms::Rect ButtonAt(int row) {
    return {kButtonsLeft, 36 + row * kButtonPitch, kButtonWidth, 28};
}

}  // namespace

frmRestE::frmRestE(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmRestE", "Restrição de executáveis", 388, 396),
      Label2(*this, "Label2", {12, 12, 232, 18}, "Inserir executável:"),
      Text1(*this, "Text1", {12, 36, 232, 22}, {.wantsEnter = true}),
      List1(*this, "List1", {12, 66, 232, 252}),
      Label1(*this, "Label1", ButtonAt(0), "Atual", Label::Look::Button),
      Label3(*this, "Label3", ButtonAt(1), "Apagar", Label::Look::Button),
      Label5(*this, "Label5", ButtonAt(2), "Bloquear", Label::Look::Button),
      Label4(*this, "Label4", ButtonAt(3), "Desbloquear", Label::Look::Button),
      Label9(*this, "Label9", ButtonAt(5), "Assistente", Label::Look::Button),
      Check1(*this, "Check1", {12, 326, 364, 20}, "Valer também fora do Explorer"),
      Label7(*this, "Label7", {30, 348, 346, 36},
             "Windows 10 (2004 ou mais novo) e 11: o Windows só deixa rodar o que está "
             "instalado"),
      context_(context) {
    Text1.onEnter = [this] { Text1_Enter(); };
    Label1.onClick = [this] { Atual_Click(); };
    Label3.onClick = [this] { Apagar_Click(); };
    Label5.onClick = [this] { Bloquear_Click(); };
    Label4.onClick = [this] { Desbloquear_Click(); };
    Label9.onClick = [this] { Assistente_Click(); };
}

void frmRestE::Load() {
    List1.SetItems(allow_list::ReadUserList(context_.registry));
    Check1.SetChecked(applocker::InForce(context_));
}

void frmRestE::Text1_Enter() {
    // Taken as typed, but only what Windows can store: a name stored with '?'
    // in it would allow a program that can never run.
    if (!core::CheckStorable(context_.registry, context_.dialogs, "o nome do executável",
                             {Text1.text()}))
        return;
    List1.AddItem(Text1.text());
    Text1.SetText("");
}

void frmRestE::Atual_Click() {
    // The stored list replaces what the box holds, so nothing shows twice.
    Load();
}

void frmRestE::Apagar_Click() {
    if (List1.listIndex() < 0) {
        context_.dialogs.ShowMessage("É necessário selecionar um ítem da lista", "Erro do programa",
                                     platform::style::Critical);
        return;
    }
    List1.RemoveItem(List1.listIndex());
}

void frmRestE::Desbloquear_Click() {
    // A switch that cannot be written but is not on (no policy key, say)
    // restricts nothing: that is what was asked.
    if (!allow_list::SetSwitch(context_.registry, false) &&
        context_.registry.GetValueTextOrZero(Hive::CurrentUser, kExplorerPolicyKey,
                                             allow_list::kSwitch) != "0")
        return core::ShowNotStored(context_, "o desbloqueio dos executáveis");
    bool outside = applocker::SetOption(context_, false, {}, "Quarvel");
    Check1.SetChecked(applocker::InForce(context_));
    if (!outside) return;
    context_.dialogs.ShowMessage("Os executáveis não estão mais restritos no sistema", "Quarvel",
                                 platform::style::Information);
}

void frmRestE::Bloquear_Click() {
    RegistryAccess& registry = context_.registry;
    bool prepared = allow_list::PrepareList(registry);
    const std::vector<std::string>& entries = List1.items();
    // An empty list would let only the program itself run, unless the
    // wizard has just stored its programs.
    if (entries.empty() && !context_.values.wizardApplied) {
        context_.dialogs.ShowMessage("É necessário adicionar os ítens à lista", "Erro",
                                     platform::style::Critical);
        return;
    }
    // Nothing is switched on over a list that was not stored whole.
    if (!prepared) return core::ShowNotStored(context_, "a lista de executáveis");
    allow_list::Written written = allow_list::WriteUserList(registry, entries);
    if (written.refused) return core::ShowNotStored(context_, "a lista de executáveis");
    if (!allow_list::SetSwitch(registry, true))
        return core::ShowNotStored(context_, "a restrição de executáveis");
    // The box says whether the list also holds outside Explorer: its state is applied either way.
    bool outside = applocker::SetOption(context_, Check1.checked(), entries, "Quarvel");
    Check1.SetChecked(applocker::InForce(context_));
    if (written.stored < entries.size()) return ReportNotStored(written.stored);
    if (!outside) return;
    context_.dialogs.ShowMessage("As restrições foram aplicadas com sucesso", "Quarvel",
                                 platform::style::Information);
}

void frmRestE::Assistente_Click() {
    // The wizard shows this screen again, freshly loaded, when it closes.
    screens().Open<frmWizrd2>(context_);
    Unload();
}

void frmRestE::ReportNotStored(std::size_t stored) {
    const std::vector<std::string>& entries = List1.items();
    std::string text = "As restrições foram aplicadas, mas a lista comporta no máximo " +
                       std::to_string(allow_list::kUserCapacity) +
                       " executáveis. Estes não foram gravados e não poderão ser executados:";
    std::size_t last = std::min(entries.size(), stored + kNamesShown);
    for (std::size_t i = stored; i < last; ++i) text += "\r\n" + entries[i];
    if (last < entries.size())
        text += "\r\n... e mais " + std::to_string(entries.size() - last) + ".";
    context_.dialogs.ShowMessage(text, "Aviso", kWarningStyle);
}

}  // namespace restrictions
