#include "window_driver.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace e2e {

namespace {

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct WindowSearch {
    DWORD process_id;
    const wchar_t* window_class;
    HWND found;
};

HWND FindVisibleWindow(DWORD process_id, const wchar_t* window_class) {
    WindowSearch search = {process_id, window_class, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<WindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.process_id && IsWindowVisible(window) &&
                ClassName(window) == s.window_class) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasUpdateRegion(HWND window) {
    RECT update;
    return GetUpdateRect(window, &update, FALSE) != FALSE;
}

// PNG with the image data in stored (uncompressed) deflate blocks: no
// compression library needed for a few screenshots.
class PngWriter {
  public:
    explicit PngWriter(std::ostream& file) : file_(file) {}

    void Write(int width, int height, const std::vector<unsigned char>& rgb) {
        static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        Put(kSignature, sizeof kSignature);

        std::vector<unsigned char> header;
        Put32(header, static_cast<std::uint32_t>(width));
        Put32(header, static_cast<std::uint32_t>(height));
        header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, no interlace
        Chunk("IHDR", header);

        // Each row is preceded by its filter type 0 (none).
        std::vector<unsigned char> raw;
        const std::size_t row_bytes = static_cast<std::size_t>(width) * 3;
        for (int y = 0; y < height; ++y) {
            raw.push_back(0);
            const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(y * row_bytes);
            raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(row_bytes));
        }
        std::vector<unsigned char> zlib = {0x78, 0x01};
        for (std::size_t pos = 0; pos < raw.size(); pos += 65535) {
            const std::size_t length = std::min<std::size_t>(65535, raw.size() - pos);
            zlib.push_back(pos + length == raw.size() ? 1 : 0);
            zlib.push_back(static_cast<unsigned char>(length & 0xFF));
            zlib.push_back(static_cast<unsigned char>(length >> 8));
            zlib.push_back(static_cast<unsigned char>(~length & 0xFF));
            zlib.push_back(static_cast<unsigned char>((~length >> 8) & 0xFF));
            zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                        raw.begin() + static_cast<std::ptrdiff_t>(pos + length));
        }
        std::uint32_t a = 1, b = 0;
        for (const unsigned char byte : raw) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        Put32(zlib, (b << 16) | a);
        Chunk("IDAT", zlib);
        Chunk("IEND", {});
    }

  private:
    static void Put32(std::vector<unsigned char>& out, std::uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<unsigned char>(value >> shift));
        }
    }

    static std::uint32_t Crc(const std::vector<unsigned char>& bytes) {
        static const auto table = [] {
            std::array<std::uint32_t, 256> t{};
            for (std::uint32_t n = 0; n < 256; ++n) {
                std::uint32_t c = n;
                for (int k = 0; k < 8; ++k) {
                    c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                }
                t[n] = c;
            }
            return t;
        }();
        std::uint32_t crc = 0xFFFFFFFFu;
        for (const unsigned char byte : bytes) {
            crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
        }
        return crc ^ 0xFFFFFFFFu;
    }

    void Chunk(const char* type, const std::vector<unsigned char>& data) {
        std::vector<unsigned char> length;
        Put32(length, static_cast<std::uint32_t>(data.size()));
        Put(length.data(), length.size());
        std::vector<unsigned char> typed(type, type + 4);
        typed.insert(typed.end(), data.begin(), data.end());
        Put(typed.data(), typed.size());
        std::vector<unsigned char> crc;
        Put32(crc, Crc(typed));
        Put(crc.data(), crc.size());
    }

    void Put(const unsigned char* bytes, std::size_t count) {
        file_.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
    }

    std::ostream& file_;
};

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

RunningProgram::RunningProgram(const std::wstring& exe_name, const std::wstring& window_class) {
    const bool full_path = std::filesystem::path(exe_name).is_absolute();
    std::wstring command = L"\"" + (full_path ? exe_name : ProgramFolder() + exe_name) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    WaitUntil([&] {
        window_ = FindVisibleWindow(process_.dwProcessId, window_class.c_str());
        return window_ != nullptr;
    });
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (!ended_ && !Close()) {
        TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool RunningProgram::Close() {
    if (process_.hProcess == nullptr) {
        return false;
    }
    // Every window of the program, as a user closes each.
    for (HWND window;
         (window = FindVisibleWindow(process_.dwProcessId, L"TipstatForm")) != nullptr;) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (!WaitUntil([&] { return !IsWindowVisible(window); }, 5s)) {
            break;
        }
    }
    ended_ = WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0;
    return ended_;
}

HWND RunningProgram::Control(int id) const {
    return GetDlgItem(window_, id);
}

HWND RunningProgram::WaitForMessageBox(std::chrono::milliseconds timeout) const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = VisibleMessageBox()) != nullptr; }, timeout);
    return box;
}

HWND RunningProgram::VisibleMessageBox() const {
    return FindVisibleWindow(process_.dwProcessId, L"#32770");
}

bool RunningProgram::Settle(int sentinel_box_id) {
    const HWND box = Control(sentinel_box_id);
    sentinel_ = sentinel_ % 5 + 1;
    const int mark = sentinel_;
    PostMessageW(box, EM_SETSEL, static_cast<WPARAM>(mark), static_cast<LPARAM>(mark + 1));
    return WaitUntil([&] {
        const auto selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
        return LOWORD(selection) == mark && HIWORD(selection) == mark + 1;
    });
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

bool WaitUntilPainted(HWND window) {
    // A message sent after the posted ones returns once the program is
    // waiting for input again; what is then left to paint is in the update
    // regions.
    if (!Answers(window)) {
        return false;
    }
    return WaitUntil([&] {
        if (HasUpdateRegion(window)) {
            return false;
        }
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child) && HasUpdateRegion(child)) {
                return false;
            }
        }
        return true;
    });
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD vk, bool up) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (const WORD modifier : modifiers) {
        add(modifier, false);
    }
    add(key, false);
    add(key, true);
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        add(*modifier, true);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool BringToFront(HWND window) {
    return WaitUntil([&] {
        if (GetForegroundWindow() == window) {
            return true;
        }
        SetForegroundWindow(window);
        return false;
    });
}

HWND FocusedControl(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::u16string Text(HWND control) {
    const auto length = static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied =
        static_cast<std::size_t>(SendMessageW(control, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                              reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied);
    return {text.begin(), text.end()};
}

bool SetText(HWND control, std::u16string_view text, std::chrono::milliseconds timeout) {
    // A message the program never answers fails the test, not the run.
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()),
                               SMTO_NORMAL, static_cast<UINT>(timeout.count()), &result) != 0;
}

bool Click(HWND button) {
    // A program that hangs or dies in a handler fails the test, not the run.
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, 20000, &result) != 0;
}

void PostClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClickArrow(HWND up_down, bool upper) {
    RECT area;
    GetClientRect(up_down, &area);
    const int x = area.right / 2;
    const int y = upper ? area.bottom / 4 : area.bottom * 3 / 4;
    SendMessageW(up_down, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(up_down, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void Type(HWND control, std::u16string_view text) {
    for (const char16_t c : text) {
        PostMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
}

RECT ClientRect(HWND window) {
    RECT area;
    GetClientRect(window, &area);
    return area;
}

RECT RectInParent(HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

std::u16string MessageBoxText(HWND message_box) {
    // A message box shows its text in the static control 0xFFFF.
    return Text(GetDlgItem(message_box, 0xFFFF));
}

void CloseMessageBox(HWND message_box) {
    PostMessageW(message_box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(message_box); });
}

COLORREF Screenshot::ClientPixel(int x, int y) const {
    const std::size_t at =
        (static_cast<std::size_t>(client_top + y) * static_cast<std::size_t>(width) +
         static_cast<std::size_t>(client_left + x)) *
        3;
    return RGB(rgb[at], rgb[at + 1], rgb[at + 2]);
}

bool Screenshot::SavePng(const std::wstring& path) const {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    PngWriter(file).Write(width, height, rgb);
    file.close();
    return !file.fail();
}

Screenshot CaptureWindow(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    POINT client_origin = {0, 0};
    ClientToScreen(window, &client_origin);

    Screenshot shot;
    shot.width = outer.right - outer.left;
    shot.height = outer.bottom - outer.top;
    shot.client_left = client_origin.x - outer.left;
    shot.client_top = client_origin.y - outer.top;

    // Copied from the screen, as the user sees it.
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, outer.left, outer.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const unsigned char*>(bits);
    shot.rgb.reserve(static_cast<std::size_t>(shot.width * shot.height) * 3);
    for (int i = 0; i < shot.width * shot.height; ++i) {
        const unsigned char* bgra = pixels + static_cast<std::ptrdiff_t>(i) * 4;
        shot.rgb.insert(shot.rgb.end(), {bgra[2], bgra[1], bgra[0]});
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

Screenshot CaptureWhen(HWND window, const std::function<bool(const Screenshot&)>& shown) {
    Screenshot shot;
    WaitUntil([&] {
        shot = CaptureWindow(window);
        return shown(shot);
    });
    return shot;
}

std::vector<HWND> TabWalk(HWND window, std::size_t presses, bool backwards) {
    std::vector<HWND> walked;
    for (std::size_t press = 0; press < presses; ++press) {
        const HWND before = FocusedControl(window);
        PressKey(VK_TAB,
                 backwards ? std::initializer_list<WORD>{VK_SHIFT} : std::initializer_list<WORD>{});
        HWND now = nullptr;
        if (!WaitUntil([&] { return (now = FocusedControl(window)) != before; }, 5s)) {
            break;
        }
        walked.push_back(now);
    }
    return walked;
}

Screenshot CaptureSettled(HWND window, const std::function<bool(const Screenshot&)>& shown) {
    Screenshot shot;
    std::vector<unsigned char> before;
    WaitUntil([&] {
        before = std::move(shot.rgb);
        shot = CaptureWindow(window);
        return shown(shot) && shot.rgb == before;
    });
    return shot;
}

}  // namespace e2e
