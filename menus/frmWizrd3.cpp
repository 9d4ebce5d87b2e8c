#include "menus/frmWizrd3.h"

#include <algorithm>

#include "forms/Screens.h"
#include "menus/MenuCommands.h"
#include "menus/frmDestino.h"
#include "menus/frmEscR.h"
#include "menus/frnINI.h"

namespace menus {
namespace {

constexpr std::string_view kCaption = "Quarvel 2.0 - Assistente de Configurações";

using forms::Label;

constexpr int kColumnWidth = 400;
constexpr int kTop = 40;
constexpr int kHeadingHeight = 22;
constexpr int kEntryPitch = 38;
constexpr int kIconSize = 32;
constexpr int kGroupGap = 12;
constexpr int kMargin = 12;  // around the window and between the columns

// The columns' bottom once every group is laid out: the window's height.
constexpr int Height() {
    int columnTop[2] = {kTop, kTop};
    for (const WizardGroupInfo& group : kWizardGroups) {
        int count = 0;
        for (const WizardEntry& entry : kWizardEntries) count += entry.group == group.group;
        int height = kHeadingHeight + count * kEntryPitch + kGroupGap;
        if (group.column == kAcross)
            columnTop[0] = columnTop[1] = std::max(columnTop[0], columnTop[1]) + height;
        else
            columnTop[group.column] += height;
    }
    return std::max(columnTop[0], columnTop[1]);
}

}  // namespace

frmWizrd3::frmWizrd3(forms::Screens& screens, core::Context& context)
    : Form(screens, "frmWizrd3", std::string(kCaption), 3 * kMargin + 2 * kColumnWidth, Height()),
      Label1(*this, "Label1", {12, 10, 2 * kColumnWidth, 22}, "O que você gostaria de fazer?"),
      context_(context) {
    Label1.SetFont({"", 11, true});
    const std::string imagesFolder = context_.files.ProgramFolder() + "\\images\\";
    int columnTop[2] = {kTop, kTop};
    for (const WizardGroupInfo& group : kWizardGroups) {
        // The blocking sentences are long: their group spans both columns.
        bool across = group.column == kAcross;
        int column = across ? 0 : group.column;
        int x = kMargin + column * (kColumnWidth + kMargin);
        int width = across ? 2 * kColumnWidth + kMargin : kColumnWidth;
        int y = across ? std::max(columnTop[0], columnTop[1]) : columnTop[column];
        if (y > kTop) {
            lines.push_back(
                std::make_unique<forms::Frame>(*this, "Line" + std::to_string(lines.size() + 1),
                                               forms::Rect{x, y - kGroupGap / 2, width, 2}, ""));
        }
        auto heading =
            std::make_unique<Label>(*this, "lblGroup" + std::to_string(headings.size()),
                                    forms::Rect{x, y, width, 18}, std::string(group.caption));
        heading->SetFont({"", 0, true});
        headings.push_back(std::move(heading));
        y += kHeadingHeight;
        for (const WizardEntry& entry : kWizardEntries) {
            if (entry.group != group.group) continue;
            auto click = [this, &entry] { Entry_Click(entry); };
            if (!entry.picture.empty()) {
                auto icon = std::make_unique<forms::PictureBox>(
                    *this, std::string(entry.picture), forms::Rect{x + 4, y, kIconSize, kIconSize});
                std::string path = imagesFolder + std::string(entry.icon);
                if (context_.pictures.CanShow(path)) icon->SetPicture(path);
                icon->onClick = click;
                icons.push_back(std::move(icon));
            }
            auto label = std::make_unique<Label>(
                *this, std::string(entry.label),
                forms::Rect{x + kIconSize + 12, y, width - kIconSize - 12, kIconSize},
                std::string(entry.caption), Label::Look::Button);
            label->onClick = click;
            if (entry.command == WizardCommand::NormalMode) cancelControl = label.get();
            entries.push_back(std::move(label));
            y += kEntryPitch;
        }
        y += kGroupGap;
        if (across)
            columnTop[0] = columnTop[1] = y;
        else
            columnTop[column] = y;
    }
}

void frmWizrd3::Load() {
    context_.values.wizardApplied = false;
    ShowTarget();
}

void frmWizrd3::ShowTarget() {
    SetCaption(WithTarget(std::string(kCaption), context_));
}

void frmWizrd3::Entry_Click(const WizardEntry& entry) {
    switch (entry.command) {
        case WizardCommand::MenuEntry:
            // The same as the main menu entry of that name.
            RunMenuCommand(entry.menuCommand, screens(), context_);
            return;
        case WizardCommand::AreaChooser:
            screens().Open<frmEscR>(context_);
            return;
        case WizardCommand::NormalMode:
            ModoNormal_Click();
            return;
    }
}

void frmWizrd3::ModoNormal_Click() {
    // Opening the main menu only brings it forward when it is open; when the
    // user had closed it, it comes back rather than the program ending.
    frnINI& menu = screens().Open<frnINI>(context_);
    menu.SetWindowState(forms::WindowState::Normal);
    Unload();
}

}  // namespace menus
