// Form1 in the in-memory window, started as chgu.exe starts it: the change
// date in a store held in memory (or one the test gives), Define.txt and
// YearTables.txt in a folder of the test's own, and a day of the test's
// choosing as today.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "chgu/change_date_store.h"
#include "chgu/window/form1.h"
#include "platform/codepage.h"
#include "platform/memory_form.h"
#include "temp_folder.h"

namespace chgu::test {

class Form1Window {
  public:
    explicit Form1Window(platform::LocalDate today_date = {2008, 6, 1}) : today(today_date) {}

    // The window opens: Form1 is made (reading YearTables.txt), the start-up
    // sequence runs and the window appears. Files and a stored date go in
    // before.
    void Open(ChangeDateStore* other_store = nullptr) {
        Make(other_store);
        Start();
    }
    // The two halves of opening, for a test that types before the start-up
    // sequence runs.
    void Make(ChangeDateStore* other_store = nullptr) {
        form.emplace(other_store != nullptr ? *other_store : store, folder.path(),
                     [this] { return today; });
        if (traditional_store != nullptr) {
            form->KeepTraditionalIn(*traditional_store);
        }
        window.emplace(form->Layout());
        form->Attach(*window, [this] { ++number_page_shown; });
    }
    void Start() {
        form->Form_Load();
        form->Form_Activate();
    }

    // The text of a control, as UTF-8 so that a failing comparison prints
    // readable Chinese.
    std::string Text(std::string_view control) {
        return platform::Utf16ToUtf8(window->Find(control).Text());
    }
    void SetText(std::string_view control, std::string_view utf8) {
        window->Find(control).SetText(platform::Utf8ToUtf16(utf8));
    }
    void Click(std::string_view control) { window->Click(control); }
    // Command1(i) or Command2(i).
    void Press(std::string_view array, int index) {
        window->Click(std::string(array) + "(" + std::to_string(index) + ")");
    }
    // 码统计 (or another statistics button) on the text: Text2 after it.
    std::string Report(std::string_view text1, int index = 0) {
        SetText("Text1", text1);
        Press("Command2", index);
        return Text("Text2");
    }
    std::string TableYear() const { return platform::Utf16ToUtf8(form->TableYearInForce()); }
    // The message boxes shown so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : window->Messages()) {
            texts.push_back(platform::Utf16ToUtf8(message.text));
        }
        return texts;
    }

    MemoryChangeDateStore store;
    // Where 繁体字也统计 is kept, if anywhere.
    platform::StoredValue* traditional_store = nullptr;
    platform::test::TempFolder folder;
    platform::LocalDate today;
    std::optional<Form1> form;
    std::optional<platform::MemoryForm> window;
    int number_page_shown = 0;
};

}  // namespace chgu::test
