// kova.exe: program A's one window.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "kova/window/form1.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "platform/stored_value.h"
#include "platform/win32/form_window.h"
#include "resource_ids.h"

namespace {

// Where "繁体字也统计" is kept: HKEY_CURRENT_USER\Software\KovaStat, value
// Traditional. KOVA_SETTINGS_KEY names another key: only the end-to-end
// tests set it, so that they never touch a user's setting.
std::unique_ptr<platform::StoredValue> TraditionalStore() {
    platform::ValuePlace place{"Software\\KovaStat", "Traditional", "kova", 1};
    if (const char* test_key = std::getenv("KOVA_SETTINGS_KEY");
        test_key != nullptr && *test_key != '\0') {
        place.key = test_key;
    }
    return platform::SystemStoredValue(platform::ValueScope::kUser, place);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    kova::TForm1 form1(platform::ProgramFolder());
    const auto traditional_store = TraditionalStore();
    form1.KeepTraditionalIn(*traditional_store);
    platform::FormLayout layout = form1.Layout();
    layout.icon_id = KOVA_ICON;
    const auto window = platform::win32::FormWindow32::Create(instance, std::move(layout));
    if (window == nullptr) {
        return 1;
    }
    form1.Attach(*window);

    form1.FormCreate(platform::LocalDateToday().year);

    window->Show(show_command, "Memo1");
    form1.FormShow();
    return platform::win32::RunMessageLoop();
}
