#include "platform/memory_form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace platform {

class MemoryForm::MemoryControl : public Control {
  public:
    MemoryControl(const ControlLayout& layout, std::string& focused)
        : layout_(layout),
          text_(layout.caption),
          checked_(layout.checked),
          position_(layout.position),
          focused_(focused) {}

    std::u16string Text() const override { return text_; }
    void SetText(std::u16string_view text) override { text_ = text; }
    void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) override {
        start = std::min(start, text_.size());
        text_.replace(start, length, text);
    }
    void Focus() override { focused_ = layout_.name; }
    bool Checked() const override { return checked_; }
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

  private:
    const ControlLayout& layout_;
    std::u16string text_;
    bool checked_;
    int position_;
    std::vector<std::u16string> items_;
    std::string& focused_;
};

MemoryForm::MemoryForm(FormLayout layout) : layout_(std::move(layout)), client_width_(layout_.client_width) {
    for (const ControlLayout& control : layout_.controls) {
        controls_.emplace(control.name, std::make_unique<MemoryControl>(control, focused_));
    }
}

MemoryForm::~MemoryForm() = default;

Control& MemoryForm::Find(std::string_view name) {
    return Get(name);
}

void MemoryForm::ShowMessage(std::u16string_view text, MessageIcon icon) {
    messages_.push_back({std::u16string(text), icon});
}

void MemoryForm::Click(std::string_view name) {
    const ControlLayout& layout = LayoutOf(name);
    if (layout.kind == ControlKind::kOption) {
        const auto [first, last] =
            OptionGroup(layout_, static_cast<std::size_t>(&layout - layout_.controls.data()));
        for (std::size_t row = first; row != last; ++row) {
            const std::string& member = layout_.controls[row].name;
            Get(member).SetChecked(member == layout.name);
        }
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
    std::u16string typed = control.Text();
    typed.append(text);
    if (limit > 0 && typed.size() > static_cast<std::size_t>(limit)) {
        typed.resize(static_cast<std::size_t>(limit));
    }
    control.SetText(typed);
    control.Focus();
}

MemoryForm::MemoryControl& MemoryForm::Get(std::string_view name) {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
        std::abort();
    }
    return *found->second;
}

const ControlLayout& MemoryForm::LayoutOf(std::string_view name) const {
    const auto found =
        std::find_if(layout_.controls.begin(), layout_.controls.end(),
                     [&](const ControlLayout& control) { return control.name == name; });
    if (found == layout_.controls.end()) {
        std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
        std::abort();
    }
    return *found;
}

}  // namespace platform
