// A command-line tool of the build copied into a folder of the test's own,
// so that a test decides what lies beside it (YearTables.txt, or nothing)
// whatever the build put beside the original.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_folder.h"

namespace cli::test {

class ToolCopy {
  public:
    explicit ToolCopy(const std::string& program);

    const std::filesystem::path& folder() const { return folder_.path(); }
    platform::test::ProgramRun Run(const std::vector<std::string>& arguments,
                                   const std::string& input) const;

  private:
    platform::test::TempFolder folder_;
    std::filesystem::path program_;
};

}  // namespace cli::test
