// What the command-line tools' tests feed them in place of text.
#pragma once

#include <string>

namespace platform::test {

// Stray continuation bytes, an overlong form, an encoded surrogate, a code
// point beyond U+10FFFF, a byte that never starts UTF-8 and a sequence cut at
// the very end, among words and numbers that must still count.
inline const std::string kMalformedUtf8 =
    "\x80鼠\xC0\xAF 05\xED\xA0\x80牛\xF4\x90\x80\x80,12\xFF羊\xE9\xBC";

// An argument that is no text: bytes that are not UTF-8 where arguments are
// bytes, an unpaired surrogate (U+D800, as RunProgram reads it) where they
// are UTF-16.
#ifdef _WIN32
inline const std::string kArgumentThatIsNoText = "\xED\xA0\x80";
#else
inline const std::string kArgumentThatIsNoText = "\xFF\xFE";
#endif

}  // namespace platform::test
