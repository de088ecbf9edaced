#include "run_program.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace platform::test {

namespace {

namespace fs = std::filesystem;

// Longer than any run of a sound program takes, even under Wine on a busy
// machine, and shorter than ctest's limit for the whole test, so that a
// program that hangs is named by the test that ran it.
constexpr std::chrono::seconds kLongestRun{120};

std::string Hung(const std::string& program) {
    return program + " was still running after " + std::to_string(kLongestRun.count()) +
           " s and was ended";
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

// A path of the build or the system, as Windows programs under Wine reach it.
std::wstring WindowsPath(std::string path) {
    if (path.starts_with("/")) {
        path.insert(0, "Z:");
    }
    return Wide(path);
}

HANDLE InheritableFile(const std::wstring& path, bool write) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // Backup semantics: a folder opens too, and then cannot be read.
    return CreateFileW(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}
#endif

}  // namespace

ProgramRun RunProgram(std::string program, const std::vector<std::string>& arguments,
                      const std::string& input, const FailingStreams& streams,
                      const RunSetting& setting) {
    const TempFolder run_folder;
    const fs::path& folder = run_folder.path();
    std::ofstream(folder / "in", std::ios::binary) << input;
    ProgramRun run;
    std::string run_failure;  // a start or an end that went wrong, said where tests show errors
#ifdef _WIN32
    std::wstring command_line = Quoted(WindowsPath(program));
    for (const std::string& argument : arguments) {
        command_line += L" " + Quoted(Wide(argument));
    }
    const HANDLE in = streams.input_closed
                          ? INVALID_HANDLE_VALUE
                          : InheritableFile(streams.input_from ? WindowsPath(*streams.input_from)
                                                               : (folder / "in").wstring(),
                                            false);
    const HANDLE out = InheritableFile(
        streams.output_to ? WindowsPath(*streams.output_to) : (folder / "out").wstring(), true);
    const HANDLE err = InheritableFile((folder / "err").wstring(), true);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    // The child inherits this process's environment, with the setting's
    // variables in place for as long as it starts.
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> replaced;
    for (const std::string& variable : setting.environment) {
        const std::size_t equals = variable.find('=');
        const std::wstring name = Wide(variable.substr(0, equals));
        std::wstring old(32767, L'\0');
        const DWORD length = GetEnvironmentVariableW(name.c_str(), old.data(), 32767);
        replaced.emplace_back(name,
                              length > 0 ? std::optional(old.substr(0, length)) : std::nullopt);
        SetEnvironmentVariableW(name.c_str(), Wide(variable.substr(equals + 1)).c_str());
    }
    const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    for (const auto& [name, old] : replaced) {
        SetEnvironmentVariableW(name.c_str(), old ? old->c_str() : nullptr);
    }
    if (started) {
        const auto limit = std::chrono::milliseconds(kLongestRun).count();
        if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(limit)) == WAIT_OBJECT_0) {
            DWORD status = 0;
            GetExitCodeProcess(process.hProcess, &status);
            run.status = static_cast<int>(status);
        } else {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
            run_failure = Hung(program);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        run_failure = "CreateProcessW failed: error " + std::to_string(GetLastError());
    }
    for (const HANDLE handle : {in, out, err}) {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
#else
    // Everything the child needs is made before the fork.
    const std::string in_path = streams.input_from.value_or((folder / "in").string());
    const std::string out_path = streams.output_to.value_or((folder / "out").string());
    const std::string err = (folder / "err").string();
    std::vector<std::string> copies(arguments);
    std::vector<char*> argv{program.data()};
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const fs::path config = folder / "config";
    fs::create_directories(config);
    std::vector<std::string> variables = setting.environment;
    variables.push_back("XDG_CONFIG_HOME=" + config.string());
    for (char** variable = environ; *variable != nullptr; ++variable) {
        variables.emplace_back(*variable);
    }
    // The first of each name stands.
    std::vector<std::string> names;
    std::erase_if(variables, [&](const std::string& variable) {
        const std::string name = variable.substr(0, variable.find('='));
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            return true;
        }
        names.push_back(name);
        return false;
    });
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const auto redirect = [](const std::string& name, int flags, int target) {
            const int file = open(name.c_str(), flags, 0600);
            if (file < 0 || dup2(file, target) < 0) {
                _exit(127);
            }
            close(file);
        };
        if (streams.input_closed) {
            close(0);
        } else {
            redirect(in_path, O_RDONLY, 0);
        }
        redirect(out_path, O_WRONLY | O_CREAT | O_TRUNC, 1);
        redirect(err, O_WRONLY | O_CREAT | O_TRUNC, 2);
        for (const auto& [resource, bytes] : {std::pair{RLIMIT_AS, setting.address_space_bytes},
                                              std::pair{RLIMIT_STACK, setting.stack_bytes}}) {
            const rlimit limit{bytes.value_or(0), bytes.value_or(0)};
            if (bytes && setrlimit(resource, &limit) != 0) {
                _exit(127);
            }
        }
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    pid_t ended = 0;
    const auto deadline = std::chrono::steady_clock::now() + kLongestRun;
    while (child > 0 && (ended = waitpid(child, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (child > 0 && ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        run_failure = Hung(program);
    } else if (ended == child && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
#endif
    run.out = ReadFile(folder / "out");
    run.err = ReadFile(folder / "err") + run_failure;
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
