#include "platform/memory_form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace platform {

class MemoryForm::MemoryControl : public Control {
  public:
    MemoryControl(const ControlSpec& spec, std::string& focused)
        : spec_(spec),
          text_(spec.caption),
          checked_(spec.checked),
          position_(spec.position),
          focused_(focused) {}

    std::u16string Text() const override { return text_; }
    void SetText(std::u16string_view text) override { text_ = text; }
    void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) override {
        start = std::min(start, text_.size());
        text_.replace(start, length, text);
    }
    void Focus() override { focused_ = spec_.name; }
    bool Checked() const override { return checked_; }
    int Position() const override { return position_; }
    void SetPosition(int position) override {
        position_ = std::clamp(position, spec_.minimum, spec_.maximum);
    }

    void SetChecked(bool checked) { checked_ = checked; }

  private:
    const ControlSpec& spec_;
    std::u16string text_;
    bool checked_;
    int position_;
    std::string& focused_;
};

MemoryForm::MemoryForm(FormSpec spec) : spec_(std::move(spec)), client_width_(spec_.client_width) {
    for (const ControlSpec& control : spec_.controls) {
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
    const ControlSpec& spec = SpecOf(name);
    if (spec.kind == ControlKind::kOption) {
        // The options of a group are consecutive rows of the table.
        const auto& rows = spec_.controls;
        auto first = rows.begin() + (&spec - rows.data());
        auto last = first;
        while (first != rows.begin() && std::prev(first)->kind == ControlKind::kOption) {
            --first;
        }
        while (last != rows.end() && last->kind == ControlKind::kOption) {
            ++last;
        }
        for (auto row = first; row != last; ++row) {
            Get(row->name).SetChecked(row->name == spec.name);
        }
    }
    if (spec.on_click) {
        spec.on_click(Get(name));
    }
}

void MemoryForm::ClickArrow(std::string_view name, int step) {
    MemoryControl& control = Get(name);
    control.SetPosition(control.Position() + step);
    if (const ControlSpec& spec = SpecOf(name); spec.on_click) {
        spec.on_click(control);
    }
}

void MemoryForm::Type(std::string_view name, std::u16string_view text) {
    MemoryControl& control = Get(name);
    const int limit = SpecOf(name).max_length;
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

const ControlSpec& MemoryForm::SpecOf(std::string_view name) const {
    const auto found =
        std::find_if(spec_.controls.begin(), spec_.controls.end(),
                     [&](const ControlSpec& control) { return control.name == name; });
    if (found == spec_.controls.end()) {
        std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
        std::abort();
    }
    return *found;
}

}  // namespace platform
