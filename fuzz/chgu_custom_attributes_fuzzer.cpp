// Define.txt of any bytes, read from a real folder as the start-up sequence
// reads it, and the pick of every line: lines are never empty and never hold
// a line break, they add up to the whole text but its line breaks, and a pick
// appends exactly what follows the line's last "|".
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "chgu/custom_attributes.h"
#include "chgu/window/form1.h"
#include "fuzz_input.h"
#include "platform/memory_form.h"
#include "platform/text_file.h"

namespace {

// One folder for the whole run, removed when the fuzzer exits.
class Folder {
  public:
    Folder()
        : path_(std::filesystem::temp_directory_path() /
                ("chgu-define-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

std::u16string WithoutLineBreaks(std::u16string_view text) {
    std::u16string kept;
    for (const char16_t c : text) {
        if (c != u'\r' && c != u'\n') {
            kept.push_back(c);
        }
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    const std::string_view bytes = fuzz::FuzzInput(data, size).Rest();
    {
        std::ofstream file(folder.path() / chgu::kCustomAttributeFileName, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    const std::u16string text = platform::DecodeTextFile(bytes);
    const std::vector<std::u16string> lines = chgu::CustomAttributeLines(text);
    FUZZ_CHECK(chgu::LoadCustomAttributes(folder.path()) == lines);

    std::u16string joined;
    for (const std::u16string& line : lines) {
        FUZZ_CHECK(!line.empty());
        FUZZ_CHECK(line.find_first_of(u"\r\n") == std::u16string::npos);
        joined += line;
    }
    FUZZ_CHECK(joined == WithoutLineBreaks(text));

    // The main window lists the lines, and a pick types its members in.
    chgu::MemoryChangeDateStore store;
    chgu::Form1 form(store, folder.path(), [] { return platform::LocalDate{2009, 3, 1}; });
    platform::MemoryForm window(form.Layout());
    form.Attach(window);
    form.Form_Load();
    FUZZ_CHECK(window.ListItems("Combo1") == lines);

    platform::Control& text1 = window.Find("Text1");
    text1.SetText(u"1期");
    std::u16string expected = text1.Text();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string& line = lines[i];
        const std::u16string members = chgu::MembersOf(line);
        const std::size_t bar = line.rfind(u'|');
        FUZZ_CHECK(bar == std::u16string::npos ? members.empty() : members == line.substr(bar + 1));
        window.Pick("Combo1", i);
        expected += members;
        FUZZ_CHECK(text1.Text() == expected);
        FUZZ_CHECK(window.Focused() == "Text1");
    }
    return 0;
}
