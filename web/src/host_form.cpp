#include "host_form.h"

#include <algorithm>

namespace web {

using emscripten::val;

class HostForm::HostControl : public platform::Control {
  public:
    HostControl(const platform::ControlLayout& row, val& host, const std::string& prefix)
        : row_(row), host_(host), name_(prefix + row.name) {}

    std::u16string Text() const override { return Ask<std::u16string>("text"); }
    void SetText(std::u16string_view text) override { Tell("setText", std::u16string(text)); }
    void ReplaceText(std::size_t start, std::size_t length, std::u16string_view text) override {
        host_.call<void>("replaceText", name_, static_cast<double>(start),
                         static_cast<double>(length), std::u16string(text));
    }
    void Focus() override { Tell("focus"); }
    bool Checked() const override { return Ask<bool>("checked"); }
    void Select() override { Tell("select"); }
    int Position() const override { return Ask<int>("position"); }
    void SetPosition(int position) override {
        Tell("setPosition", std::clamp(position, row_.minimum, row_.maximum));
    }
    void ClearList() override { Tell("clearList"); }
    void AddListItem(std::u16string_view item) override {
        Tell("addListItem", std::u16string(item));
    }

    const platform::ControlLayout& Row() const { return row_; }

  private:
    template <typename Result>
    Result Ask(const char* what) const {
        return host_.call<Result>(what, name_);
    }
    template <typename... Arguments>
    void Tell(const char* what, Arguments&&... arguments) {
        host_.call<void>(what, name_, std::forward<Arguments>(arguments)...);
    }

    const platform::ControlLayout& row_;
    val& host_;
    std::string name_;  // as the host knows it
};

HostForm::HostForm(platform::FormLayout layout, val host, std::string prefix)
    : layout_(std::move(layout)), host_(std::move(host)), prefix_(std::move(prefix)) {
    for (const platform::ControlLayout& row : layout_.controls) {
        controls_.push_back(std::make_unique<HostControl>(row, host_, prefix_));
        by_name_.Add(row.name, *controls_.back());
    }
}

HostForm::~HostForm() = default;

platform::Control& HostForm::Find(std::string_view name) {
    return Get(name);
}

int HostForm::ClientWidth() const {
    return host_.call<int>("clientWidth");
}

void HostForm::SetClientWidth(int width) {
    host_.call<void>("setClientWidth", width);
}

void HostForm::ShowMessage(std::u16string_view text, platform::MessageIcon icon) {
    host_.call<void>("showMessage", std::u16string(text), icon == platform::MessageIcon::kError,
                     layout_.caption);
}

bool HostForm::PutOnClipboard(std::u16string_view text) {
    return host_.call<bool>("putOnClipboard", std::u16string(text));
}

void HostForm::Click(const std::string& name) {
    HostControl& control = Get(name);
    if (control.Row().on_click) {
        control.Row().on_click(control);
    }
}

void HostForm::ClickArrow(const std::string& name, int step) {
    HostControl& control = Get(name);
    control.SetPosition(control.Position() + step);
    Click(name);
}

void HostForm::Pick(const std::string& name, const std::u16string& item) {
    if (const platform::ControlLayout& row = Get(name).Row(); row.on_pick) {
        row.on_pick(item);
    }
}

HostForm::HostControl& HostForm::Get(std::string_view name) {
    return by_name_.Get(name);
}

}  // namespace web
