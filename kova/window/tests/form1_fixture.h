// TForm1 in the in-memory window, started as on a day of 2008.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "kova/window/form1.h"
#include "platform/memory_form.h"

namespace kova {

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() : window_(form_.Layout()) {
        form_.Attach(window_);
        form_.FormCreate(2008);
    }

    std::u16string Text(std::string_view control) { return window_.Find(control).Text(); }
    void SetText(std::string_view control, std::u16string_view text) {
        window_.Find(control).SetText(text);
    }
    void Click(std::string_view control) { window_.Click(control); }
    // Clicks the attribute button with that caption.
    void ClickWord(std::u16string_view caption) {
        for (const auto& row : window_.Layout().controls) {
            if (row.name.starts_with("AttributeButton") && row.caption == caption) {
                window_.Click(row.name);
                return;
            }
        }
        ADD_FAILURE() << "no attribute button with that caption";
    }

    TForm1 form_;
    platform::MemoryForm window_;
};

}  // namespace kova
