#include "menus/frnINI.h"

#include <algorithm>

#include "forms/Screens.h"
#include "core/BaseFolder.h"
#include "core/Settings.h"
#include "menus/MenuCommands.h"
#include "menus/frmDestino.h"
#include "menus/frmWizrd3.h"

namespace menus {
namespace {

using forms::Label;

constexpr int kColumnWidth = 184;
constexpr int kEntryPitch = 30;
constexpr int kTop = 44;

constexpr int ColumnOf(MenuGroup group) {
    switch (group) {
        case MenuGroup::Restrictions:
            return 0;
        case MenuGroup::Optimization:
        case MenuGroup::Personalization:
            return 1;
        default:
            return 2;
    }
}

constexpr int GroupHeight(int entries) {
    return 22 + entries * kEntryPitch + 6;
}

// Below the lowest column of groups: the "Sobre..." frame.
constexpr int AboutTop() {
    int columnTop[3] = {kTop, kTop, kTop};
    for (const MenuGroupInfo& group : kMenuGroups) {
        int count = 0;
        for (const MenuEntry& entry : kMenuEntries) count += entry.group == group.group;
        columnTop[ColumnOf(group.group)] += GroupHeight(count) + 8;
    }
    return std::max({columnTop[0], columnTop[1], columnTop[2]});
}
constexpr int kAboutHeight = 62;

std::string WindowCaption() {
    return "Quarvel " + std::string(core::kVersion) + " - " + std::string(core::kWebAddress);
}

}  // namespace

frnINI::frnINI(forms::Screens& screens, core::Context& context)
    : Form(screens, "frnINI", WindowCaption(), 600, AboutTop() + kAboutHeight + 12),
      Label1(*this, "Label1", {12, 10, 576, 24},
             "Clique aqui para abrir o assistente de configuração.", Label::Look::Button),
      fraAbout(*this, "fraAbout", {12, AboutTop(), 576, kAboutHeight}, "Sobre..."),
      lblCredit(*this, "lblCredit", {24, AboutTop() + 18, 552, 18},
                "Quarvel " + std::string(core::kVersion) + " - desenvolvido pela equipe Quarvel"),
      lblAddress(*this, "lblAddress", {24, AboutTop() + 38, 552, 18},
                 std::string(core::kWebAddress)),
      context_(context) {
    closesOnEscape = false;
    Label1.onClick = [this] { Label1_Click(); };
    int columnTop[3] = {kTop, kTop, kTop};
    for (const MenuGroupInfo& group : kMenuGroups) {
        int column = ColumnOf(group.group);
        int x = 12 + column * (kColumnWidth + 12);
        int y = columnTop[column];
        int count = 0;
        for (const MenuEntry& entry : kMenuEntries) {
            if (entry.group != group.group) continue;
            auto label = std::make_unique<Label>(
                *this, std::string(entry.control),
                forms::Rect{x + 10, y + 22 + count * kEntryPitch, kColumnWidth - 20, 24},
                std::string(entry.caption), Label::Look::Button);
            label->SetToolTip(std::string(entry.toolTip));
            label->onClick = [this, command = entry.command] { Entry_Click(command); };
            entries.push_back(std::move(label));
            ++count;
        }
        int height = GroupHeight(count);
        groups.push_back(std::make_unique<forms::Frame>(
            *this, "fra" + std::to_string(groups.size() + 1),
            forms::Rect{x, y, kColumnWidth, height}, std::string(group.caption)));
        columnTop[column] = y + height + 8;
    }
}

void frnINI::Load() {
    core::ProgramValues& values = context_.values;
    values.wizardApplied = false;
    values.baseFolder = core::BaseFolder(context_.registry, context_.files);
    // Unless the command line named one: the target the menus worked on last.
    if (values.target.account.empty() && !values.target.IsPolicyObject())
        core::ChooseRememberedTarget(context_);
    ShowTarget();
    // Anything but "0" (a missing value included) is wizard mode.
    if (context_.registry.GetValue(Hive::CurrentUser, core::kCurrentVersion, core::kStartUpMode) !=
        "0")
        OpenWizardMenu();
    // An administrator who typed his password into the elevation prompt over
    // a student's session would otherwise restrict himself.
    platform::Accounts& accounts = context_.accounts;
    auto loggedOn = accounts.LoggedOn();
    if (!values.target.IsPolicyObject() && loggedOn && loggedOn->sid != accounts.Running().sid)
        screens().Open<frmDestino>(context_, loggedOn->name);
}

void frnINI::ShowTarget() {
    SetCaption(WithTarget(WindowCaption(), context_));
}

void frnINI::Entry_Click(core::MenuCommand command) {
    RunMenuCommand(command, screens(), context_);
}

void frnINI::Label1_Click() {
    OpenWizardMenu();
}

void frnINI::OpenWizardMenu() {
    screens().Open<frmWizrd3>(context_);
    SetWindowState(forms::WindowState::Minimized);
}

}  // namespace menus
