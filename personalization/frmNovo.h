#pragma once
// The system icons of the shell, for every user of the machine: 41 wells
// show the icons stored in the Shell Icons key, a click on a well picks a new
// icon file, "Aplicar" writes the picks, and the icon cache is cleared so
// that the shell shows them.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "personalization/IconSlots.h"
#include "core/Context.h"

namespace personalization {

class frmNovo : public forms::Form {
  public:
    frmNovo(forms::Screens& screens, core::Context& context);

    void Load() override;
    void Well_Click(std::size_t slot);  // slot 0 is "01", value "0"
    void Aplicar_Click();
    void LimparCache_Click();
    void Desfazer_Click();
    void LerAtuais_Click();

    // Slot k: its number label ("01"), which picks as the well does, and its
    // well (Picture1 to Picture41).
    std::vector<std::unique_ptr<forms::Label>> numbers;
    std::vector<std::unique_ptr<forms::PictureBox>> wells;
    forms::Label Label43;  // "Relação dos números:"
    forms::ListBox List1;
    forms::Label Label44;  // "Aplicar"
    forms::Label Label45;  // "Limpar Cache"
    forms::Label Label46;  // "Desfazer"
    forms::Label Label47;  // "Ler Atuais"

    // The icon file picked for a slot on this screen; nothing when the slot
    // was not picked, and "Aplicar" then leaves its stored value alone.
    const std::optional<std::string>& pendingPath(std::size_t slot) const { return pending_[slot]; }

  private:
    void MakeWells();
    void ShowStoredIcons();

    core::Context& context_;
    std::array<std::optional<std::string>, kIconSlotCount> pending_;
};

}  // namespace personalization
