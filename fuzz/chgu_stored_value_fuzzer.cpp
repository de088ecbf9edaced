// The stored change date as any bytes of any length, with or without NUL,
// through the start-up sequence and "更改": what is read never holds a NUL,
// a value beyond what readers take reads as none, a text once stored reads
// back the same, and the input box keeps its text whenever a date is stored.
#include <cstddef>
#include <cstdint>
#include <string>

#include "chgu/change_date_store.h"
#include "chgu/startup.h"
#include "fuzz_input.h"
#include "platform/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t form = input.TakeByte();
    chgu::MemoryChangeDateStore store;
    if (form % 3 == 0) {
        store.bytes = std::string(input.Rest());
    } else if (form % 3 == 1) {
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

    chgu::MemoryForm1Controls controls;
    controls.Text1 = u"3期 鼠,05";
    chgu::Form1State state;
    const chgu::StartupSources sources{store, {}, {2009, 1, 26}};
    chgu::Form_Load(controls, state, sources);
    if (read.empty()) {
        FUZZ_CHECK(controls.Text3 == chgu::kDesignChangeDate);
        FUZZ_CHECK(controls.Text1 == chgu::WelcomeText());
        controls.Text1 = u"3期 鼠,05";
    } else {
        FUZZ_CHECK(controls.Text3 == read);
        FUZZ_CHECK(controls.Text1 == u"3期 鼠,05");
    }
    FUZZ_CHECK(state.TableYear == chgu::TableYearFromChangeDate(controls.Text3, sources.today));

    // "更改" with that text: the same text comes back, the input is kept.
    const std::u16string shown = controls.Text3;
    chgu::Command3_Click(controls, state, sources);
    FUZZ_CHECK(controls.Text3 == chgu::ReadChangeDate(store));
    if (!controls.Text3.empty()) {
        FUZZ_CHECK(controls.Text1 == u"3期 鼠,05");
    }
    FUZZ_CHECK(shown.find(u'\0') != std::u16string::npos || shown.size() > 127 ||
               controls.Text3.size() == shown.size());
    return 0;
}
