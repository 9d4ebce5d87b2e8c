#pragma once
// The ordinary controls of a screen. Each holds its own state; a renderer
// attached as its peer shows that state and reports what the user does
// through the User* calls, which run the screen's handlers.
#include <functional>
#include <string>
#include <vector>

#include "forms/Peers.h"

namespace forms {

class Form;

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// System colours by their Windows index; None keeps the control's own.
enum class SysColor : int { None = -1, Highlight = 13, ButtonFace = 15, ButtonShadow = 16 };

struct Font {
    std::string face;  // empty: the screen's ordinary font
    int points = 0;    // 0: the ordinary size
    bool bold = false;
    bool serif = false;  // the family to fall back on when the face is missing
};

enum class ControlKind {
    Label,
    CheckBox,
    OptionButton,
    TextBox,
    ListBox,
    Frame,
    PictureBox,
    CommandButton
};

class Control {
  public:
    Control(Form& form, ControlKind kind, std::string name, Rect rect, std::string caption);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    const Rect& rect() const { return rect_; }
    Form& form() const { return form_; }

    // The caption, or a text box's text.
    const std::string& caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    bool visible() const { return visible_; }
    void SetVisible(bool visible);
    bool enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    SysColor backColor() const { return backColor_; }
    void SetBackColor(SysColor color);

    const std::string& toolTip() const { return toolTip_; }
    void SetToolTip(std::string tip) { toolTip_ = std::move(tip); }
    const Font& font() const { return font_; }
    void SetFont(Font font) { font_ = std::move(font); }

    // The command of a click (labels used as buttons, boxes, buttons).
    std::function<void()> onClick;
    // What a user's click does: run the command, after the control's own change.
    virtual void UserClick();

    void Attach(ControlPeer* peer) { peer_ = peer; }

  protected:
    void Notify(Aspect aspect);

  private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    Rect rect_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
    SysColor backColor_ = SysColor::None;
    std::string toolTip_;
    Font font_;
    ControlPeer* peer_ = nullptr;
};

class Label : public Control {
  public:
    // Text: plain words. Button: a label used as a button, its words centred
    // in a framed box (the captions carry no centring blanks).
    enum class Look { Text, Button };
    Label(Form& form, std::string name, Rect rect, std::string caption, Look look = Look::Text)
        : Control(form, ControlKind::Label, std::move(name), rect, std::move(caption)),
          look_(look) {}
    Look look() const { return look_; }

  private:
    Look look_;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, Rect rect, std::string caption)
        : Control(form, ControlKind::CheckBox, std::move(name), rect, std::move(caption)) {}
    bool checked() const { return checked_; }
    void SetChecked(bool checked);
    void UserClick() override;

  private:
    bool checked_ = false;
};

class OptionButton : public Control {
  public:
    // Option buttons with the same group exclude each other.
    OptionButton(Form& form, std::string name, Rect rect, std::string caption, int group = 0)
        : Control(form, ControlKind::OptionButton, std::move(name), rect, std::move(caption)),
          group_(group) {}
    bool checked() const { return checked_; }
    void SetChecked(bool checked);
    int group() const { return group_; }
    void UserClick() override;

  private:
    bool checked_ = false;
    int group_;
};

struct TextBoxStyle {
    bool password = false;  // characters show as '*'
    bool multiLine = false;
    bool wantsEnter = false;  // Enter in a one-line box runs onEnter
    bool noWrap = false;      // multi-line: long lines scroll sideways instead of wrapping
};

class TextBox : public Control {
  public:
    using Style = TextBoxStyle;
    TextBox(Form& form, std::string name, Rect rect, Style style = {})
        : Control(form, ControlKind::TextBox, std::move(name), rect, {}), style_(style) {}
    const std::string& text() const { return caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    const Style& style() const { return style_; }

    std::function<void()> onChange;
    std::function<void()> onEnter;
    // The user changed the text (typing, pasting).
    void UserType(const std::string& text);
    void UserEnter();

  private:
    Style style_;
};

class ListBox : public Control {
  public:
    ListBox(Form& form, std::string name, Rect rect)
        : Control(form, ControlKind::ListBox, std::move(name), rect, {}) {}
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    void AddItem(std::string item);
    void RemoveItem(int index);
    void Clear();
    void SetItems(std::vector<std::string> items);
    void SetListIndex(int index);
    void UserSelect(int index);

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class Frame : public Control {
  public:
    Frame(Form& form, std::string name, Rect rect, std::string caption)
        : Control(form, ControlKind::Frame, std::move(name), rect, std::move(caption)) {}
};

class PictureBox : public Control {
  public:
    PictureBox(Form& form, std::string name, Rect rect)
        : Control(form, ControlKind::PictureBox, std::move(name), rect, {}) {}
    const std::string& picture() const { return picture_; }
    void SetPicture(std::string path);

  private:
    std::string picture_;
};

class CommandButton : public Control {
  public:
    CommandButton(Form& form, std::string name, Rect rect, std::string caption)
        : Control(form, ControlKind::CommandButton, std::move(name), rect, std::move(caption)) {}
};

}  // namespace forms
