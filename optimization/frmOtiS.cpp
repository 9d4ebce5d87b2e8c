#include "optimization/frmOtiS.h"

#include "core/ObjectFile.h"
#include "optimization/DiskCacheProfiles.h"
#include "core/StorableText.h"
#include "core/WindowsSupport.h"
#include "forms/TextLines.h"

namespace optimization {
namespace {

using forms::Label;

constexpr std::string_view kApplied = "As alterações foram aplicadas com sucesso";

forms::Rect OptionAt(int index) {
    return {28, 40 + index * 28, 380, 24};
}

constexpr std::string_view kCaption = "Mudar o cache do disco rígido:";

std::string NoEffect(core::Context& context) {
    const core::CaptionedSetting settings[] = {{kCaption, "FS Templates"}};
    return core::NoEffectLine(context.accounts, settings);
}

std::string CaptionOf(int index) {
    return std::string(kDiskCacheProfiles[static_cast<std::size_t>(index)].caption);
}

}  // namespace

frmOtiS::frmOtiS(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmOtiS", "Sistema", 420, 190 + forms::WrappedHeight(NoEffect(context), 388)),
      Label1(*this, "Label1", {16, 14, 388, 18}, std::string(kCaption)),
      Option1(*this, "Option1", OptionAt(0), CaptionOf(0)),
      Option2(*this, "Option2", OptionAt(1), CaptionOf(1)),
      Option3(*this, "Option3", OptionAt(2), CaptionOf(2)),
      Label6(*this, "Label6", {160, 140, 100, 28}, "Aplicar", Label::Look::Button),
      LabelWindows(*this, "LabelWindows",
                   {16, 180, 388, forms::WrappedHeight(NoEffect(context), 388)}, NoEffect(context)),
      context_(context) {
    LabelWindows.SetVisible(!LabelWindows.caption().empty());
    Label6.SetBackColor(forms::SysColor::ButtonShadow);
    Label6.onClick = [this] { Aplicar_Click(); };
    acceptControl = &Label6;
}

void frmOtiS::Load() {
    std::string stored = context_.registry.GetValue(Hive::LocalMachine, kFsTemplatesKey, "");
    forms::OptionButton* options[] = {&Option1, &Option2, &Option3};
    for (std::size_t i = 0; i < kDiskCacheProfiles.size(); ++i) {
        if (stored == kDiskCacheProfiles[i].storedText) {
            options[i]->SetChecked(true);
            break;
        }
    }
}

void frmOtiS::Aplicar_Click() {
    std::string_view chosen;
    const forms::OptionButton* options[] = {&Option1, &Option2, &Option3};
    for (std::size_t i = 0; i < kDiskCacheProfiles.size(); ++i) {
        if (options[i]->checked()) {
            chosen = kDiskCacheProfiles[i].storedText;
            break;
        }
    }
    if (context_.registry.SetValue(Hive::LocalMachine, kFsTemplatesKey, "", chosen,
                                   ValueType::String) != 0)
        return core::ShowNotStored(context_, Hive::LocalMachine, kFsTemplatesKey,
                                   "o cache do disco rígido");
    context_.dialogs.ShowMessage(std::string(kApplied), "Quarvel", platform::style::Information);
}

}  // namespace optimization
