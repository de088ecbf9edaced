// A window held in memory: the controls of a FormLayout as plain values, and
// what a user does (clicks a button or option, clicks an arrow of an up-down
// control, types into a box) as calls that run the table's handlers the way
// the real window does. Handler tests run against it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/control_table.h"
#include "platform/controls.h"
#include "platform/controls_by_name.h"

namespace platform {

class MemoryForm : public FormWindow {
  public:
    struct Message {
        std::u16string text;
        MessageIcon icon;
    };

    explicit MemoryForm(FormLayout layout);
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;
    ~MemoryForm() override;

    Control& Find(std::string_view name) override;
    int ClientWidth() const override { return client_width_; }
    void SetClientWidth(int width) override { client_width_ = width; }
    void ShowMessage(std::u16string_view text, MessageIcon icon) override;
    bool PutOnClipboard(std::u16string_view text) override;

    // A click on a button, option or check box: an option becomes the
    // selected one of its group, a check box changes its tick; then the
    // control's handler runs with it as sender.
    void Click(std::string_view name);
    // Picking item `index` of a drop-down list: the edit text becomes the
    // item, then the list's pick handler runs.
    void Pick(std::string_view name, std::size_t index);
    // The items of a drop-down list.
    const std::vector<std::u16string>& ListItems(std::string_view name);
    // A click on the upper (+1) or lower (-1) arrow of an up-down control: its
    // position moves within its range and its handler runs.
    void ClickArrow(std::string_view name, int step);
    // Typing at the end of a box, held to the box's character limit.
    void Type(std::string_view name, std::u16string_view text);

    const FormLayout& Layout() const { return layout_; }
    // The name of the control that has the keyboard focus; empty if none.
    const std::string& Focused() const { return focused_; }
    // The message boxes shown so far, oldest first.
    const std::vector<Message>& Messages() const { return messages_; }
    // Where the caret of a box stands: at the start after its text is set,
    // after the new text after a replacement.
    std::size_t Caret(std::string_view name);
    // The text on the clipboard; nothing before the first copy. A clipboard
    // held by another program takes nothing while `clipboard_held` is set.
    const std::optional<std::u16string>& Clipboard() const { return clipboard_; }
    bool clipboard_held = false;

  private:
    class MemoryControl;

    MemoryControl& Get(std::string_view name);
    const ControlLayout& LayoutOf(std::string_view name) const;
    void SelectOption(const ControlLayout& option);

    FormLayout layout_;
    std::vector<std::unique_ptr<MemoryControl>> controls_;  // in the table's order
    ControlsByName<MemoryControl> by_name_;
    int client_width_;
    std::string focused_;
    std::vector<Message> messages_;
    std::optional<std::u16string> clipboard_;
};

}  // namespace platform
