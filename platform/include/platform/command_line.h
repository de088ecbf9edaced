// What the command-line tools need from the system: the command line in one
// encoding on every system (UTF-8), file names from it and back, files
// opened for reading and standard streams that pass bytes unchanged. On
// Windows the arguments are taken from the UTF-16 command line, so that file
// names and texts outside the ANSI code page arrive whole (an unpaired
// surrogate becomes U+FFFD); elsewhere they are the bytes given.
#pragma once

#include <cstddef>
#include <cstdio>
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

// A file's name as a message shows it.
std::u16string PathText(const std::filesystem::path& path);

// Opens a file for reading bytes (on Windows by its UTF-16 name: an ANSI
// name could not hold every character); null with errno set on failure.
std::FILE* OpenForReading(const std::filesystem::path& file);

// The size of an open regular file, so that its text is made room for once;
// 0 for a pipe or where it cannot be told.
std::size_t RegularFileSize(std::FILE* file);

// Standard input and output pass bytes as they are: no CR LF translation on
// Windows, where text mode is the default; nothing to do elsewhere.
void UseBinaryStandardStreams();

}  // namespace platform
