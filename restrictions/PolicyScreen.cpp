#include "restrictions/PolicyScreen.h"

#include <string>

#include "core/ObjectFile.h"
#include "core/StorableText.h"
#include "core/WindowsSupport.h"
#include "forms/TextLines.h"

namespace restrictions {
namespace {

using forms::Label;

constexpr int kMargin = 12;
constexpr int kBoxWidth = 540;
constexpr int kBoxPitch = 24;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 12;

int ButtonsTop(std::size_t boxes) {
    return kMargin + static_cast<int>(boxes) * kBoxPitch + 10;
}

forms::Rect ButtonAt(std::size_t boxes, int index) {
    return {kMargin + index * (kButtonWidth + kButtonGap), ButtonsTop(boxes), kButtonWidth,
            kButtonHeight};
}

std::string NoEffect(core::Context& context, std::span<const PolicyEntry> catalogue) {
    std::vector<core::CaptionedSetting> settings;
    for (const PolicyEntry& entry : catalogue) settings.push_back({entry.caption, entry.valueName});
    return core::NoEffectLine(context.accounts, settings);
}

std::vector<std::unique_ptr<forms::CheckBox>> MakeBoxes(forms::Form& form,
                                                        std::span<const PolicyEntry> catalogue) {
    std::vector<std::unique_ptr<forms::CheckBox>> boxes;
    int y = kMargin;
    for (const PolicyEntry& entry : catalogue) {
        boxes.push_back(std::make_unique<forms::CheckBox>(form, std::string(entry.checkBox),
                                                          forms::Rect{kMargin, y, kBoxWidth, 22},
                                                          std::string(entry.caption)));
        y += kBoxPitch;
    }
    return boxes;
}

}  // namespace

PolicyScreen::PolicyScreen(forms::Screens& screens, core::Context& context,
                           const PolicyScreenDefinition& definition)
    : Form(screens, std::string(definition.formName), std::string(definition.caption),
           kBoxWidth + 2 * kMargin,
           ButtonsTop(definition.catalogue.size()) + kButtonHeight + kMargin +
               forms::WrappedHeight(NoEffect(context, definition.catalogue), kBoxWidth)),
      boxes(MakeBoxes(*this, definition.catalogue)),
      Aplicar(*this, std::string(definition.applyLabel), ButtonAt(definition.catalogue.size(), 0),
              "Aplicar", Label::Look::Button),
      Todos(*this, std::string(definition.allLabel), ButtonAt(definition.catalogue.size(), 1),
            "Todos", Label::Look::Button),
      Nenhum(*this, std::string(definition.noneLabel), ButtonAt(definition.catalogue.size(), 2),
             "Nenhum", Label::Look::Button),
      LabelWindows(*this, "LabelWindows",
                   {kMargin, ButtonsTop(definition.catalogue.size()) + kButtonHeight + 8, kBoxWidth,
                    forms::WrappedHeight(NoEffect(context, definition.catalogue), kBoxWidth)},
                   NoEffect(context, definition.catalogue)),
      context_(context),
      definition_(definition) {
    LabelWindows.SetVisible(!LabelWindows.caption().empty());
    Aplicar.onClick = [this] { Aplicar_Click(); };
    Todos.onClick = [this] { Todos_Click(); };
    Nenhum.onClick = [this] { Nenhum_Click(); };
    acceptControl = &Aplicar;
}

forms::CheckBox* PolicyScreen::Box(std::string_view checkBox) {
    for (auto& box : boxes)
        if (box->name() == checkBox) return box.get();
    return nullptr;
}

void PolicyScreen::Load() {
    // Only an exact "1" is on (a REG_SZ "1" of another tool counts), or for
    // the drive mask any mask but 0.
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PolicyEntry& entry = definition_.catalogue[i];
        boxes[i]->SetChecked(IsOn(
            entry, context_.registry.GetValueText(Hive::CurrentUser, entry.key, entry.valueName)));
    }
}

void PolicyScreen::Aplicar_Click() {
    RegistryAccess& registry = context_.registry;
    for (std::string_view key : kPolicyKeys) registry.CreateKey(Hive::CurrentUser, key);
    std::string refused;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PolicyEntry& entry = definition_.catalogue[i];
        // A mask another tool chose stays while the box stays ticked.
        if (entry.IsMask() && boxes[i]->checked() &&
            IsOn(entry, registry.GetValueText(Hive::CurrentUser, entry.key, entry.valueName)))
            continue;
        if (registry.SetValue(Hive::CurrentUser, entry.key, entry.valueName,
                              boxes[i]->checked() ? entry.on : 0) != 0)
            refused += (refused.empty() ? "" : ", ") + std::string(entry.valueName);
    }
    if (!refused.empty()) return core::ShowNotStored(context_, "as restrições " + refused);
    context_.dialogs.ShowMessage(std::string(definition_.appliedMessage), "Quarvel",
                                 platform::style::Information);
}

void PolicyScreen::Todos_Click() {
    TickAll(true);
}

void PolicyScreen::Nenhum_Click() {
    TickAll(false);
}

void PolicyScreen::TickAll(bool ticked) {
    for (auto& box : boxes) box->SetChecked(ticked);
}

}  // namespace restrictions
