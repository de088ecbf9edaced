// What the page's JavaScript reaches of the programs: the two tabs, the
// files of the program folder and code page 936. Plain values in and out;
// every rule stays in the C++ behind them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "kova_tab.h"
#include "layout_rows.h"
#include "platform/codepage.h"
#include "program_files.h"

namespace {

using emscripten::val;

val Bytes(const std::string& bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<val>("slice");
}

val OptionalText(const std::optional<std::u16string>& text) {
    return text ? val(*text) : val::null();
}

// The user's actions on a tab's window, the same for both tabs.
template <typename Tab>
void BindWindow(emscripten::class_<Tab>& tab) {
    using emscripten::optional_override;
    tab.function("caption",
                 optional_override([](Tab& t) { return t.Window().Layout().caption; }))
        .function("rows",
                  optional_override([](Tab& t) { return web::RowsOf(t.Window().Layout()); }))
        .function("click", optional_override([](Tab& t, const std::string& name) {
                      t.Window().Click(name);
                  }))
        .function("clickArrow", optional_override([](Tab& t, const std::string& name, int step) {
                      t.Window().ClickArrow(name, step);
                  }))
        .function("pick", optional_override([](Tab& t, const std::string& name,
                                               const std::u16string& item) {
                      t.Window().Pick(name, item);
                  }))
        .function("picture", &Tab::Picture);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tipstat) {
    using emscripten::class_;
    using emscripten::function;

    class_<web::KovaTab> kova("KovaTab");
    kova.constructor(+[](val host) { return new web::KovaTab(std::move(host), web::ProgramFolder()); },
                     emscripten::allow_raw_pointers())
        .function("formCreate", &web::KovaTab::FormCreate)
        .function("formShow", &web::KovaTab::FormShow);
    BindWindow(kova);

    function("putUserFile", +[](const std::string& name, const std::string& bytes) {
        return web::PutUserFile(name, bytes);
    });
    function("removeUserFile", +[](const std::string& name) { web::RemoveUserFile(name); });
    function("yearTablesFault", +[](const std::string& bytes, const std::u16string& file_name) {
        return OptionalText(web::YearTablesFault(bytes, file_name));
    });

    // Code page 936 as the programs read and write it.
    function("gbkToUtf16", +[](const std::string& bytes) { return platform::GbkToUtf16(bytes); });
    function("utf16ToGbk",
             +[](const std::u16string& text) { return Bytes(platform::Utf16ToGbk(text)); });
}
