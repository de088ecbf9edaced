#include "platform/memory_form.h"

#include <algorithm>

namespace platform {

class MemoryForm::MemoryControl : public Control {
  public:
    MemoryControl(MemoryForm& form, const ControlLayout& layout)
        : form_(form),
          layout_(layout),
          text_(layout.caption),
          checked_(layout.checked),
          position_(layout.position) {}

    std::u16string Text() const override { return text_; }
    void SetText(std::u16string_view text) override {
        text_ = text;
        caret_ = 0;
    }
    void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) override {
        start = std::min(start, text_.size());
        text_.replace(start, length, text);
        caret_ = start + text.size();
    }
    void Focus() override { form_.focused_ = layout_.name; }
    bool Checked() const override { return checked_; }
    void Select() override {
        if (layout_.kind == ControlKind::kOption) {
            form_.SelectOption(layout_);
        }
    }
    int Position() const override { return position_; }
    void SetPosition(int position) override {
        position_ = std::clamp(position, layout_.minimum, layout_.maximum);
    }

    void ClearList() override {
        items_.clear();
        text_.clear();
    }
    void AddListItem(std::u16string_view item) override { items_.emplace_back(item); }

    void SetChecked(bool checked) { checked_ = checked; }
    const std::vector<std::u16string>& Items() const { return items_; }
    std::size_t Caret() const { return caret_; }
    const ControlLayout& Layout() const { return layout_; }

  private:
    MemoryForm& form_;
    const ControlLayout& layout_;
    std::u16string text_;
    std::size_t caret_ = 0;
    bool checked_;
    int position_;
    std::vector<std::u16string> items_;
};

MemoryForm::MemoryForm(FormLayout layout)
    : layout_(std::move(layout)), client_width_(layout_.client_width) {
    for (const ControlLayout& control : layout_.controls) {
        controls_.push_back(std::make_unique<MemoryControl>(*this, control));
        by_name_.Add(control.name, *controls_.back());
    }
}

MemoryForm::~MemoryForm() = default;

Control& MemoryForm::Find(std::string_view name) {
    return Get(name);
}

void MemoryForm::ShowMessage(std::u16string_view text, MessageIcon icon) {
    messages_.push_back({std::u16string(text), icon});
}

bool MemoryForm::PutOnClipboard(std::u16string_view text) {
    if (clipboard_held) {
        return false;
    }
    clipboard_ = std::u16string(text);
    return true;
}

std::size_t MemoryForm::Caret(std::string_view name) {
    return Get(name).Caret();
}

void MemoryForm::SelectOption(const ControlLayout& option) {
    const auto [first, last] =
        OptionGroup(layout_, static_cast<std::size_t>(&option - layout_.controls.data()));
    for (std::size_t row = first; row != last; ++row) {
        const std::string& member = layout_.controls[row].name;
        Get(member).SetChecked(member == option.name);
    }
}

void MemoryForm::Click(std::string_view name) {
    const ControlLayout& layout = LayoutOf(name);
    if (layout.kind == ControlKind::kOption) {
        SelectOption(layout);
    }
    if (layout.kind == ControlKind::kCheckBox) {
        Get(name).SetChecked(!Get(name).Checked());
    }
    if (layout.on_click) {
        layout.on_click(Get(name));
    }
}

void MemoryForm::Pick(std::string_view name, std::size_t index) {
    MemoryControl& control = Get(name);
    const std::u16string item = control.Items().at(index);
    control.SetText(item);
    if (const ControlLayout& layout = LayoutOf(name); layout.on_pick) {
        layout.on_pick(item);
    }
}

const std::vector<std::u16string>& MemoryForm::ListItems(std::string_view name) {
    return Get(name).Items();
}

void MemoryForm::ClickArrow(std::string_view name, int step) {
    MemoryControl& control = Get(name);
    control.SetPosition(control.Position() + step);
    if (const ControlLayout& layout = LayoutOf(name); layout.on_click) {
        layout.on_click(control);
    }
}

void MemoryForm::Type(std::string_view name, std::u16string_view text) {
    MemoryControl& control = Get(name);
    const int limit = LayoutOf(name).max_length;
    const std::size_t length = control.Text().size();
    if (limit > 0) {
        const std::size_t room =
            static_cast<std::size_t>(limit) - std::min<std::size_t>(length, limit);
        text = text.substr(0, room);
    }
    control.ReplaceText(length, 0, text);
    control.Focus();
}

MemoryForm::MemoryControl& MemoryForm::Get(std::string_view name) {
    return by_name_.Get(name);
}

const ControlLayout& MemoryForm::LayoutOf(std::string_view name) const {
    return by_name_.Get(name).Layout();
}

}  // namespace platform
