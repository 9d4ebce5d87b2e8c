#include "personalization/frmNovo.h"

#include "core/AccessTrust.h"
#include "core/ObjectFile.h"
#include "core/StorableText.h"
#include "personalization/IconCache.h"

namespace personalization {
namespace {

using forms::Label;
using forms::Rect;

constexpr std::string_view kPromptTitle = "Alterar ícone";
constexpr std::string_view kPromptText =
    "Digite a localização do ícone, exemplo: C:\\Icones\\nada.ico";
constexpr std::string_view kNoPreview =
    "Não é possível mostrar este ícone aqui. O caminho foi guardado e será gravado ao clicar em "
    "Aplicar.";
constexpr std::string_view kApplied =
    "As alterações foram aplicadas com sucesso, clique em limpar o cache para melhores resultados";
constexpr std::string_view kRestart = "reinicie o seu computador";
constexpr std::string_view kUndone =
    "As alterações foram removidas, clique em limpar o cache para melhores resultados";

// A well is 735 by 615 twips; the wells stand in columns of eight.
constexpr int kWellWidth = 49;
constexpr int kWellHeight = 41;
constexpr int kNumberWidth = 26;
constexpr int kColumnPitch = kNumberWidth + 4 + kWellWidth + 12;
constexpr int kRowPitch = kWellHeight + 6;
constexpr int kRows = 8;
constexpr int kMargin = 12;
constexpr int kListLeft = kMargin + 5 * kColumnPitch;
constexpr int kButtonTop = kMargin + kRows * kRowPitch + 8;
constexpr int kButtonWidth = 120;

Rect WellAt(std::size_t slot) {
    int column = static_cast<int>(slot) / kRows;
    int row = static_cast<int>(slot) % kRows;
    return {kMargin + column * kColumnPitch + kNumberWidth + 4, kMargin + row * kRowPitch,
            kWellWidth, kWellHeight};
}

Rect ButtonAt(int index) {
    return {kMargin + index * (kButtonWidth + 12), kButtonTop, kButtonWidth, 28};
}

std::vector<std::string> ListEntries() {
    std::vector<std::string> entries;
    for (const IconSlot& slot : kIconSlots) entries.emplace_back(slot.listEntry);
    return entries;
}

}  // namespace

frmNovo::frmNovo(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmNovo", "Alterar Ícones", kListLeft + 260, kButtonTop + 40),
      Label43(*this, "Label43", {kListLeft, kMargin + kRowPitch + 4, 248, 18},
              "Relação dos números:"),
      List1(*this, "List1",
            {kListLeft, kMargin + kRowPitch + 24, 248, kRows * kRowPitch - kRowPitch - 30}),
      Label44(*this, "Label44", ButtonAt(0), "Aplicar", Label::Look::Button),
      Label45(*this, "Label45", ButtonAt(1), "Limpar Cache", Label::Look::Button),
      Label46(*this, "Label46", ButtonAt(2), "Desfazer", Label::Look::Button),
      Label47(*this, "Label47", ButtonAt(3), "Ler Atuais", Label::Look::Button),
      context_(context) {
    // The wells follow the buttons in the tab order, so that the commands
    // are a few keys away.
    MakeWells();
    List1.SetItems(ListEntries());
    for (Label* button : {&Label44, &Label45, &Label46, &Label47})
        button->SetBackColor(forms::SysColor::ButtonShadow);
    Label44.onClick = [this] { Aplicar_Click(); };
    Label45.onClick = [this] { LimparCache_Click(); };
    Label46.onClick = [this] { Desfazer_Click(); };
    Label47.onClick = [this] { LerAtuais_Click(); };
}

void frmNovo::MakeWells() {
    for (std::size_t slot = 0; slot < kIconSlotCount; ++slot) {
        Rect well = WellAt(slot);
        auto number =
            std::make_unique<Label>(*this, "Number" + std::to_string(slot + 1),
                                    Rect{well.x - kNumberWidth - 4, well.y + 10, kNumberWidth, 22},
                                    std::string(kIconSlots[slot].number), Label::Look::Button);
        number->onClick = [this, slot] { Well_Click(slot); };
        auto picture =
            std::make_unique<forms::PictureBox>(*this, "Picture" + std::to_string(slot + 1), well);
        picture->onClick = [this, slot] { Well_Click(slot); };
        numbers.push_back(std::move(number));
        wells.push_back(std::move(picture));
    }
}

void frmNovo::Load() {
    ShowStoredIcons();
}

void frmNovo::LerAtuais_Click() {
    ShowStoredIcons();
}

void frmNovo::ShowStoredIcons() {
    std::array<std::string, kIconSlotCount> stored;
    for (std::size_t slot = 0; slot < kIconSlotCount; ++slot)
        stored[slot] = context_.registry.GetValue(Hive::LocalMachine, kShellIconsKey,
                                                  kIconSlots[slot].valueName);
    for (std::size_t slot = 0; slot < kIconSlotCount; ++slot) {
        // What the picture loader cannot show (a missing file, an icon
        // resource such as shell32.dll,4) leaves the well as it was.
        if (stored[slot].empty())
            wells[slot]->SetPicture("");
        else if (context_.pictures.CanShow(stored[slot]))
            wells[slot]->SetPicture(stored[slot]);
    }
}

void frmNovo::Well_Click(std::size_t slot) {
    std::string answer;
    // A path Windows cannot store is asked again, as typed, for the user to
    // correct; cancelling then leaves the slot as it was.
    for (std::string typed;;) {
        auto prompt =
            context_.dialogs.Prompt(std::string(kPromptText), std::string(kPromptTitle), typed);
        if (!prompt && !typed.empty()) return;
        answer = prompt.value_or(std::string());
        if (core::CheckStorable(context_.registry, context_.dialogs, "o caminho do ícone",
                                {answer}))
            break;
        typed = answer;
    }
    pending_[slot] = answer;
    if (answer.empty() || context_.pictures.CanShow(answer)) {
        wells[slot]->SetPicture(answer);
        return;
    }
    // Windows itself may read what we cannot preview: keep the path.
    wells[slot]->SetPicture("");
    context_.dialogs.ShowMessage(std::string(kNoPreview), "Quarvel", platform::style::Information);
}

void frmNovo::Aplicar_Click() {
    RegistryAccess& registry = context_.registry;
    registry.CreateKey(Hive::LocalMachine, kShellIconsKey);
    std::string refused;
    for (std::size_t slot = 0; slot < kIconSlotCount; ++slot)
        if (pending_[slot] &&
            registry.SetValue(Hive::LocalMachine, kShellIconsKey, kIconSlots[slot].valueName,
                              *pending_[slot], ValueType::String) != 0)
            refused += (refused.empty() ? "" : ", ") + std::string(kIconSlots[slot].number);
    if (!refused.empty()) return core::ShowNotStored(context_, "os ícones " + refused);
    context_.dialogs.ShowMessage(std::string(kApplied), "Sucesso", platform::style::Information);
}

void frmNovo::LimparCache_Click() {
    DeleteIconCache(context_.registry, context_.files);
    if (!core::MayStartAtLogon(context_.files, context_.dialogs, kCacheCleaner, kDelIconCache,
                               "Erro"))
        return;
    if (!ScheduleCacheCleaner(context_.registry, context_.files))
        return core::ShowNotStored(context_, "a limpeza do cache na próxima inicialização");
    context_.dialogs.ShowMessage(std::string(kRestart), "Limpeza de Cache",
                                 platform::style::Information);
}

void frmNovo::Desfazer_Click() {
    DeleteIconCache(context_.registry, context_.files);
    for (const IconSlot& slot : kIconSlots) {
        context_.registry.DeleteValue(Hive::LocalMachine, kShellIconsKey, slot.valueName);
        if (context_.registry.ValueExists(Hive::LocalMachine, kShellIconsKey, slot.valueName))
            return core::ShowNotStored(context_, "a volta aos ícones do Windows",
                                       "o Windows recusou a remoção.");
    }
    context_.dialogs.ShowMessage(std::string(kUndone), "Quarvel", platform::style::Information);
}

}  // namespace personalization
