// kova.exe: program A's one window.
#include <windows.h>

#include <memory>

#include "kova/window/form1.h"
#include "kova/window/traditional_place.h"
#include "platform/clock.h"
#include "platform/program_folder.h"
#include "platform/stored_value.h"
#include "platform/win32/form_window.h"
#include "resource_ids.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    kova::TForm1 form1(platform::ProgramFolder());
    const auto traditional_store =
        platform::SystemStoredValue(platform::ValueScope::kUser, kova::TraditionalPlace());
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
