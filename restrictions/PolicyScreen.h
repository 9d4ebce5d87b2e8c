#pragma once
// A screen of check boxes, one per policy of its catalogue: loading shows
// what is stored, "Todos" and "Nenhum" change only the boxes, and "Aplicar"
// writes every policy of the catalogue as REG_DWORD 1 or 0.
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "restrictions/PolicyCatalogues.h"
#include "core/Context.h"

namespace restrictions {

struct PolicyScreenDefinition {
    std::string_view formName;
    std::string_view caption;
    std::span<const PolicyEntry> catalogue;
    // Control names of the labels used as buttons.
    std::string_view applyLabel;
    std::string_view allLabel;
    std::string_view noneLabel;
    std::string_view appliedMessage;
};

class PolicyScreen : public forms::Form {
  public:
    PolicyScreen(forms::Screens& screens, core::Context& context,
                 const PolicyScreenDefinition& definition);

    void Load() override;
    void Aplicar_Click();
    void Todos_Click();
    void Nenhum_Click();

    // The box of a catalogue entry, by its control name; null when none.
    forms::CheckBox* Box(std::string_view checkBox);

    std::vector<std::unique_ptr<forms::CheckBox>> boxes;  // in catalogue order
    forms::Label Aplicar;
    forms::Label Todos;
    forms::Label Nenhum;
    // What this Windows ignores of the catalogue; hidden when it ignores nothing.
    forms::Label LabelWindows;

  private:
    void TickAll(bool ticked);

    core::Context& context_;
    PolicyScreenDefinition definition_;
};

}  // namespace restrictions
