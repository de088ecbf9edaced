#include "run_program.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace platform::test {

namespace {

namespace fs = std::filesystem;

// A fresh folder for one run: tests run side by side as separate processes.
fs::path FreshFolder() {
    static std::atomic<int> runs{0};
#ifdef _WIN32
    const auto process = GetCurrentProcessId();
#else
    const auto process = getpid();
#endif
    const fs::path folder = fs::temp_directory_path() / ("tipstat-run-" + std::to_string(process) +
                                                         "-" + std::to_string(runs++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32
// UTF-8 with lone surrogates allowed, to UTF-16.
std::wstring Wide(const std::string& text) {
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        unsigned long code = length == 1 ? byte : byte & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            wide.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(code));
        }
        i += length;
    }
    return wide;
}

// One argument as CommandLineToArgvW reads it back.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE InheritableFile(const fs::path& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ,
                       &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}
#endif

}  // namespace

ProgramRun RunProgram(std::string program, const std::vector<std::string>& arguments,
                      const std::string& input) {
    const fs::path folder = FreshFolder();
    std::ofstream(folder / "in", std::ios::binary) << input;
    ProgramRun run;
#ifdef _WIN32
    if (program.starts_with("/")) {
        program.insert(0, "Z:");
    }
    std::wstring command_line = Quoted(Wide(program));
    for (const std::string& argument : arguments) {
        command_line += L" " + Quoted(Wide(argument));
    }
    const HANDLE in = InheritableFile(folder / "in", false);
    const HANDLE out = InheritableFile(folder / "out", true);
    const HANDLE err = InheritableFile(folder / "err", true);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(process.hProcess, &status);
        run.status = static_cast<int>(status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
#else
    // Everything the child needs is made before the fork.
    const std::string in = (folder / "in").string(), out = (folder / "out").string(),
                      err = (folder / "err").string();
    std::vector<std::string> copies(arguments);
    std::vector<char*> argv{program.data()};
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const auto redirect = [](const std::string& name, int flags, int target) {
            const int file = open(name.c_str(), flags, 0600);
            if (file < 0 || dup2(file, target) < 0) {
                _exit(127);
            }
            close(file);
        };
        redirect(in, O_RDONLY, 0);
        redirect(out, O_WRONLY | O_CREAT | O_TRUNC, 1);
        redirect(err, O_WRONLY | O_CREAT | O_TRUNC, 2);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
#endif
    run.out = ReadFile(folder / "out");
    run.err = ReadFile(folder / "err");
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return run;
}

std::string OneErrorLine(const ProgramRun& run) {
    std::string line = run.err;
    if (line.ends_with("\n")) {
        line.pop_back();
    }
    if (line.ends_with("\r")) {
        line.pop_back();
    }
    return line;
}

}  // namespace platform::test
