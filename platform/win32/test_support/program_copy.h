// A program of the build copied into a folder of the test's own, with the
// data files the test puts beside it (Define.txt, YearTables.txt). A test
// that is killed leaves them there, never beside the build's programs, where
// the next test and scripts/run.sh would read them. The folder goes when the
// test ends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "temp_folder.h"

namespace e2e {

class ProgramCopy {
  public:
    // exe_name: a program beside the running test program.
    explicit ProgramCopy(std::string_view exe_name);

    const std::wstring& Exe() const { return exe_; }
    // Writes a data file beside the copy and returns its path as the
    // program names it (its folder's path and the file name).
    std::u16string Put(std::string_view name, std::string_view bytes) const;

  private:
    platform::test::TempFolder folder_;
    std::wstring exe_;
};

}  // namespace e2e
