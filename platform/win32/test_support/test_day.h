// The day that programs started by a test take for today (TIPSTAT_TODAY, see
// platform/clock.h), for as long as this lives; then the day before it again.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class TestDay {
  public:
    explicit TestDay(const char* day) {
        char before[16] = {};
        if (GetEnvironmentVariableA(kName, before, sizeof before) != 0) {
            before_ = before;
        }
        SetEnvironmentVariableA(kName, day);
    }
    TestDay(const TestDay&) = delete;
    TestDay& operator=(const TestDay&) = delete;
    ~TestDay() { SetEnvironmentVariableA(kName, before_ ? before_->c_str() : nullptr); }

  private:
    static constexpr const char* kName = "TIPSTAT_TODAY";
    std::optional<std::string> before_;
};

}  // namespace e2e
