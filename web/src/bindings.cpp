// What the page's JavaScript reaches of the programs: the two tabs, the
// files of the program folder and code page 936. Plain values in and out;
// every rule stays in the C++ behind them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "chgu_tab.h"
#include "js_bytes.h"
#include "kova_tab.h"
#include "platform/codepage.h"
#include "platform/text_file.h"
#include "platform/traditional.h"
#include "program_files.h"

namespace {

using emscripten::val;

val OptionalText(const std::optional<std::u16string>& text) {
    return text ? val(*text) : val::null();
}

// The user's actions on a tab's window, the same for both tabs.
template <typename Tab>
void BindWindow(emscripten::class_<Tab>& tab) {
    using emscripten::optional_override;
    tab.function("caption", optional_override([](Tab& t) { return t.Caption(); }))
        .function("rows", optional_override([](Tab& t) { return t.Windows().Rows(); }))
        .function("click", optional_override(
                               [](Tab& t, const std::string& name) { t.Windows().Click(name); }))
        .function("clickArrow", optional_override([](Tab& t, const std::string& name, int step) {
                      t.Windows().ClickArrow(name, step);
                  }))
        .function("pick", optional_override(
                              [](Tab& t, const std::string& name, const std::u16string& item) {
                                  t.Windows().Pick(name, item);
                              }))
        .function("takePicture", &Tab::TakePicture);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tipstat) {
    using emscripten::class_;
    using emscripten::function;

    class_<web::KovaTab> kova("KovaTab");
    kova.constructor(
            +[](val host) { return new web::KovaTab(std::move(host), web::ProgramFolder()); },
            emscripten::allow_raw_pointers())
        .function("formCreate", &web::KovaTab::FormCreate)
        .function("formShow", &web::KovaTab::FormShow);
    BindWindow(kova);

    class_<web::ChguTab> chgu("ChguTab");
    chgu.constructor(
            +[](val host) { return new web::ChguTab(std::move(host), web::ProgramFolder()); },
            emscripten::allow_raw_pointers())
        .function("formLoad", &web::ChguTab::FormLoad)
        .function("formActivate", &web::ChguTab::FormActivate);
    BindWindow(chgu);

    function(
        "putUserFile", +[](const std::string& name, const std::string& bytes) {
            return web::PutUserFile(name, bytes);
        });
    function(
        "removeUserFile", +[](const std::string& name) { web::RemoveUserFile(name); });
    function(
        "builtInYears", +[] {
            const web::YearSpan span = web::BuiltInYears();
            val years = val::object();
            years.set("first", span.first);
            years.set("last", span.last);
            return years;
        });
    function(
        "yearTablesFault", +[](const std::string& bytes, const std::u16string& file_name) {
            return OptionalText(web::YearTablesFault(bytes, file_name));
        });
    // A picked file larger than a hand-written one can be, told before it
    // is read, as the programs tell theirs.
    function(
        "tooLargeFault", +[](double size, const std::u16string& file_name) {
            return OptionalText(size > static_cast<double>(platform::kHandWrittenFileLimit)
                                    ? std::optional(platform::TooLargeFileMessage(file_name))
                                    : std::nullopt);
        });

    // Whether a text holds a traditional form that 繁体字也统计 counts.
    function(
        "holdsTraditional",
        +[](const std::u16string& text) { return platform::HoldsTraditional(text); });

    // Code page 936 as the programs read and write it.
    function(
        "gbkToUtf16", +[](const std::string& bytes) { return platform::GbkToUtf16(bytes); });
    function(
        "utf16ToGbk",
        +[](const std::u16string& text) { return web::BytesToJs(platform::Utf16ToGbk(text)); });
}
