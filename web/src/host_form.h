// A window of the page: the controls of a Windows program's control table
// as elements of the page, which a JavaScript object (the host) reads and
// changes for the handlers. The programs' own handlers run on it as they
// run on the Win32 window, so every button of the page does exactly what
// the window's button does.
//
// The host answers, for a control's name: text, setText, replaceText,
// focus, checked, select, position, setPosition, clearList, addListItem;
// and for the window: showMessage(text, isError, title), clientWidth,
// setClientWidth, putOnClipboard(text). A window shown beside another in
// one tab gives its names a prefix of its own, so that the host tells them
// apart.
#pragma once

#include <emscripten/val.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/controls.h"
#include "platform/controls_by_name.h"

namespace web {

class HostForm : public platform::FormWindow {
  public:
    HostForm(platform::FormLayout layout, emscripten::val host, std::string prefix = "");
    HostForm(const HostForm&) = delete;
    HostForm& operator=(const HostForm&) = delete;
    ~HostForm() override;

    platform::Control& Find(std::string_view name) override;
    int ClientWidth() const override;
    void SetClientWidth(int width) override;
    void ShowMessage(std::u16string_view text, platform::MessageIcon icon) override;
    bool PutOnClipboard(std::u16string_view text) override;

    // The control table, for the page to make its elements from, and the
    // prefix of its names there.
    const platform::FormLayout& Layout() const { return layout_; }
    const std::string& Prefix() const { return prefix_; }

    // What a user does. A click on a button, option or check box, after the
    // page has ticked the option or check box as the browser does; a click
    // on an arrow of an up-down control (+1 up, -1 down), which moves it
    // within its range; an item picked from a drop-down list.
    void Click(const std::string& name);
    void ClickArrow(const std::string& name, int step);
    void Pick(const std::string& name, const std::u16string& item);

  private:
    class HostControl;

    HostControl& Get(std::string_view name);

    platform::FormLayout layout_;
    emscripten::val host_;
    std::string prefix_;
    std::vector<std::unique_ptr<HostControl>> controls_;  // in the table's order
    platform::ControlsByName<HostControl> by_name_;
};

}  // namespace web
