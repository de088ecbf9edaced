// chgu-cli: one statistic of program B on a file or standard input, printed
// exactly as the output box would hold it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "chgu/change_date_store.h"
#include "cli_arguments.h"
#include "cli_run.h"
#include "platform/codepage.h"
#include "platform/command_line.h"

namespace {

std::optional<std::string> ReadAll(std::FILE* stream) {
    std::string bytes;
    std::vector<char> chunk(1 << 20);
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), stream)) > 0) {
        bytes.append(chunk.data(), got);
    }
    if (std::ferror(stream)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> ReadFile(const std::string& name) {
    std::error_code error;
    const std::filesystem::path path = platform::PathFromArgument(name);
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    std::vector<char> chunk(1 << 20);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || !in.eof()) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteStandardOutput(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "chgu-cli: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> argument_texts = platform::CommandLineArguments(argc, argv);
    const std::vector<std::string_view> arguments(argument_texts.begin(), argument_texts.end());
    const chgu::cli::ParsedArguments parsed = chgu::cli::ParseArguments(arguments);
    if (parsed.action == chgu::cli::ParsedArguments::Action::Fail) {
        return Fail(parsed.error);
    }
    if (parsed.action == chgu::cli::ParsedArguments::Action::ShowHelp) {
        const std::string_view usage = chgu::cli::UsageText();
        return WriteStandardOutput(usage) ? 0 : Fail("cannot write standard output");
    }
    const chgu::cli::Options& options = parsed.options;
    const yeartables::LoadResult year_tables = chgu::cli::ReadYearTables(options);
    if (year_tables.fault) {
        return Fail(platform::Utf16ToUtf8(*year_tables.fault));
    }
    const chgu::YearTables tables(year_tables.years);

    const bool from_standard_input = !options.file || *options.file == "-";
    std::optional<std::string> bytes =
        from_standard_input ? ReadAll(stdin) : ReadFile(*options.file);
    if (!bytes) {
        return Fail(from_standard_input ? "cannot read standard input"
                                        : "cannot read '" + *options.file + "'");
    }
    const std::u16string text = chgu::cli::DecodeInput(*bytes, options.encoding);
    bytes.reset();  // large inputs: keep only one copy of the text

    const auto store = chgu::SystemChangeDateStore();
    const std::u16string TableYear = chgu::cli::TableYearOf(options, *store, chgu::LocalToday());
    const std::string output = chgu::cli::EncodeOutput(
        chgu::cli::OutputText(options, text, TableYear, tables), options.encoding);
    return WriteStandardOutput(output) ? 0 : Fail("cannot write standard output");
}
