#include "tool_copy.h"

namespace cli::test {

ToolCopy::ToolCopy(const std::string& program)
    : program_(folder_.path() / std::filesystem::path(program).filename()) {
    std::filesystem::copy_file(program, program_);
}

platform::test::ProgramRun ToolCopy::Run(const std::vector<std::string>& arguments,
                                         const std::string& input) const {
    return platform::test::RunProgram(program_.string(), arguments, input);
}

}  // namespace cli::test
