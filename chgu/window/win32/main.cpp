// chgu.exe: program B's main window and its number page.
#include <windows.h>

#include "program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
    chgu::win32::Program program(instance);
    if (!program.Open(show_command)) {
        return 1;
    }
    return program.Run();
}
