// The stored change date as any bytes of any length, with or without NUL,
// through the start-up sequence and "更改": what is read never holds a NUL,
// a value beyond what readers take reads as none, a text once stored reads
// back the same, and the input box keeps its text whenever a date is stored.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chgu/change_date_store.h"
#include "chgu/window/form1.h"
#include "chgu/window/window_texts.h"
#include "fuzz_input.h"
#include "platform/codepage.h"
#include "platform/memory_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t stored_as = input.TakeByte();
    chgu::MemoryChangeDateStore store;
    if (stored_as % 3 == 0) {
        store.bytes = std::string(input.Rest());
    } else if (stored_as % 3 == 1) {
        // Text3 as typed, stored by "更改".
        chgu::WriteChangeDate(store, input.RestAsUtf16());
    } else {
        chgu::WriteChangeDate(store, platform::Utf8ToUtf16(input.Rest()));
    }

    const std::u16string read = chgu::ReadChangeDate(store);
    FUZZ_CHECK(read.find(u'\0') == std::u16string::npos);
    FUZZ_CHECK(store.bytes->size() <= chgu::kChangeDateReadCapacity || read.empty());

    // Storing what was read and reading it again settles at once.
    chgu::MemoryChangeDateStore again;
    chgu::WriteChangeDate(again, read);
    const std::u16string settled = chgu::ReadChangeDate(again);
    FUZZ_CHECK(settled.size() == read.size());
    chgu::WriteChangeDate(again, settled);
    FUZZ_CHECK(chgu::ReadChangeDate(again) == settled);

    // The start-up sequence with that value stored.
    chgu::Form1 form(store, {}, [] { return platform::LocalDate{2009, 1, 26}; });
    platform::MemoryForm window(form.Layout());
    form.Attach(window);
    platform::Control& text1 = window.Find("Text1");
    platform::Control& text3 = window.Find("Text3");
    text1.SetText(u"3期 鼠,05");
    form.Form_Load();
    if (read.empty()) {
        FUZZ_CHECK(text3.Text() == chgu::kDesignChangeDate);
        FUZZ_CHECK(text1.Text() == chgu::WelcomeText());
        text1.SetText(u"3期 鼠,05");
    } else {
        FUZZ_CHECK(text3.Text() == read);
        FUZZ_CHECK(text1.Text() == u"3期 鼠,05");
    }
    FUZZ_CHECK(form.TableYearInForce() ==
               chgu::TableYearFromChangeDate(text3.Text(), {2009, 1, 26}));

    // "更改" with that text: the same text comes back, the input is kept.
    const std::u16string shown = text3.Text();
    window.Click("Command3");
    FUZZ_CHECK(text3.Text() == chgu::ReadChangeDate(store));
    if (!text3.Text().empty()) {
        FUZZ_CHECK(text1.Text() == u"3期 鼠,05");
    }
    FUZZ_CHECK(shown.find(u'\0') != std::u16string::npos || shown.size() > 127 ||
               text3.Text().size() == shown.size());
    return 0;
}
