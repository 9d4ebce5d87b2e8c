#include "forms/Control.h"

#include "forms/Form.h"

namespace forms {

Control::Control(Form& form, ControlKind kind, std::string name, Rect rect, std::string caption)
    : form_(form), kind_(kind), name_(std::move(name)), rect_(rect), caption_(std::move(caption)) {
    form_.Register(*this);
}

void Control::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Notify(Aspect::Text);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Notify(Aspect::Visible);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(Aspect::Enabled);
}

void Control::SetBackColor(SysColor color) {
    if (color == backColor_) return;
    backColor_ = color;
    Notify(Aspect::BackColor);
}

void Control::UserClick() {
    if (onClick) onClick();
}

void Control::Notify(Aspect aspect) {
    if (peer_) peer_->Changed(*this, aspect);
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Aspect::Checked);
}

void CheckBox::UserClick() {
    SetChecked(!checked_);
    Control::UserClick();
}

void OptionButton::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Aspect::Checked);
    if (!checked) return;
    for (Control* other : form().controls()) {
        auto* option = dynamic_cast<OptionButton*>(other);
        if (option && option != this && option->group_ == group_) option->SetChecked(false);
    }
}

void OptionButton::UserClick() {
    SetChecked(true);
    Control::UserClick();
}

void TextBox::UserType(const std::string& text) {
    SetCaption(text);
    if (onChange) onChange();
}

void TextBox::UserEnter() {
    if (onEnter) onEnter();
}

void ListBox::AddItem(std::string item) {
    items_.push_back(std::move(item));
    Notify(Aspect::Items);
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    items_.erase(items_.begin() + index);
    // As the platform's list box does: after a removal nothing is selected,
    // so a second click cannot silently take the next entry.
    listIndex_ = -1;
    Notify(Aspect::Items);
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    Notify(Aspect::Items);
}

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    Notify(Aspect::Items);
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == listIndex_) return;
    listIndex_ = index;
    Notify(Aspect::Selection);
}

void ListBox::UserSelect(int index) {
    SetListIndex(index);
    Control::UserClick();
}

void PictureBox::SetPicture(std::string path) {
    picture_ = std::move(path);
    Notify(Aspect::Picture);
}

}  // namespace forms
