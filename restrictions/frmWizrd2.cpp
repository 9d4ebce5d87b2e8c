#include "restrictions/frmWizrd2.h"

#include <algorithm>

#include "core/ObjectFile.h"
#include "core/StorableText.h"
#include "forms/Screens.h"
#include "restrictions/AllowList.h"
#include "restrictions/WizardCatalogue.h"
#include "restrictions/frmRestE.h"

namespace restrictions {
namespace {

using forms::Label;

// The side picture is shown at its own size ("images\\tela fundo.bmp" is 150
// by 494): its lettering is thin, and any shrinking would eat strokes. The
// box adds its sunken edge around it.
constexpr int kPictureWidth = 150;
constexpr int kPictureHeight = 494;
constexpr int kPictureEdge = 2;
constexpr int kBoxesLeft = kPictureWidth + 2 * kPictureEdge + 24;
constexpr int kColumnWidth = 270;
constexpr int kBoxPitch = 22;
constexpr int kRows = 19;
constexpr int kButtonsTop = 20 + kRows * kBoxPitch + 12;

forms::Rect BoxAt(std::size_t index) {
    int column = static_cast<int>(index) / kRows;
    int row = static_cast<int>(index) % kRows;
    return {kBoxesLeft + column * kColumnWidth, 16 + row * kBoxPitch, kColumnWidth - 8, 20};
}

forms::Rect ButtonAt(int slot) {
    return {kBoxesLeft + 72 + slot * 132, kButtonsTop, 112, 28};
}

}  // namespace

frmWizrd2::frmWizrd2(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmWizrd2", "Assistente de Restrições", kBoxesLeft + 2 * kColumnWidth + 4,
           std::max(kButtonsTop + 44, kPictureHeight + 2 * kPictureEdge)),
      Image1(*this, "Image1",
             {0, 0, kPictureWidth + 2 * kPictureEdge, kPictureHeight + 2 * kPictureEdge}),
      Label3(*this, "Label3", ButtonAt(0), "Aplicar", Label::Look::Button),
      Label2(*this, "Label2", ButtonAt(1), "Atuais", Label::Look::Button),
      Label1(*this, "Label1", ButtonAt(2), "Cancelar", Label::Look::Button),
      context_(context) {
    for (std::size_t i = 0; i < wizard::kCatalogue.size(); ++i)
        boxes.push_back(std::make_unique<forms::CheckBox>(
            *this, std::string(wizard::kCatalogue[i].box), BoxAt(i),
            std::string(wizard::kCatalogue[i].caption)));
    Label3.onClick = [this] { Aplicar_Click(); };
    Label2.onClick = [this] { Atuais_Click(); };
    Label1.onClick = [this] { Cancelar_Click(); };
    cancelControl = &Label1;
}

void frmWizrd2::Load() {
    std::string picture = context_.files.ProgramFolder() + "\\images\\tela fundo.bmp";
    if (context_.pictures.CanShow(picture)) Image1.SetPicture(picture);
    Atuais_Click();
}

void frmWizrd2::Atuais_Click() {
    for (std::size_t i = 0; i < wizard::kCatalogue.size(); ++i) {
        std::string stored =
            context_.registry.GetValue(Hive::CurrentUser, allow_list::kListKey,
                                       std::to_string(wizard::kCatalogue[i].indicator));
        boxes[i]->SetChecked(!stored.empty());
    }
}

void frmWizrd2::Aplicar_Click() {
    RegistryAccess& registry = context_.registry;
    registry.CreateKey(Hive::CurrentUser, kExplorerPolicyKey);
    registry.CreateKey(Hive::CurrentUser, allow_list::kListKey);
    bool refused = false;
    for (std::size_t i = 0; i < wizard::kCatalogue.size(); ++i) {
        const wizard::CatalogueEntry& entry = wizard::kCatalogue[i];
        for (const wizard::Program& program : wizard::kPrograms) {
            if (program.number < entry.first || program.number > entry.last) continue;
            std::string name = std::to_string(program.number);
            if (boxes[i]->checked())
                refused |= registry.SetValue(Hive::CurrentUser, allow_list::kListKey, name,
                                             program.file, ValueType::String) != 0;
            else if (RegistryStatus status =
                         registry.DeleteValue(Hive::CurrentUser, allow_list::kListKey, name))
                refused |= status != platform::status::FileNotFound;
        }
    }
    if (refused) return core::ShowNotStored(context_, "a lista de programas do assistente");
    context_.dialogs.ShowMessage(
        "As alterações foram aplicadas com sucesso, volte a tela anterior e clique em bloquear",
        "Quarvel", platform::style::Information);
    context_.values.wizardApplied = true;
}

void frmWizrd2::Cancelar_Click() {
    Unload();
}

void frmWizrd2::Unloaded() {
    // The allow-list screen was unloaded when the wizard opened; it comes
    // back reading the stored list afresh.
    screens().Open<frmRestE>(context_);
}

}  // namespace restrictions
