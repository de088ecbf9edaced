// The command line of the command-line tools in one encoding on every
// system: UTF-8. On Windows the arguments are taken from the UTF-16 command
// line, so that file names and texts outside the ANSI code page arrive whole
// (an unpaired surrogate becomes U+FFFD); elsewhere they are the bytes given.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The arguments after the program name.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// The file a UTF-8 argument names. On POSIX the bytes are the name as they
// stand, valid UTF-8 or not.
std::filesystem::path PathFromArgument(std::string_view argument);

}  // namespace platform
