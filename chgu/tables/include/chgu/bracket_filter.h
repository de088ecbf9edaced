// The bracket filter: with Check1 ("方括内不统计") ticked, an opening 【 or 〖
// and everything after it up to the next closing 】 or 〗 reads as one
// space each. One flag, InBracket, serves both kinds; brackets do not nest.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace chgu {

// ch itself, or " " inside a skipped stretch. Only a single bracket
// character moves InBracket; any other ch, a window of several characters
// included, just passes through (or reads as " " inside brackets).
std::u16string Fg(std::u16string_view ch, bool Check1, std::int16_t& InBracket);

// Fg for one character, as the scans call it at every position. It runs
// once per character of every press, so it is inline and settles the common
// case, a character far from the brackets' code block, with one test.
class BracketFilter {
  public:
    BracketFilter(bool Check1, std::int16_t& InBracket) : check1_(Check1), in_bracket_(InBracket) {}

    // Whether ch reads as " ". A bracket character moves InBracket first.
    bool Skips(char16_t ch) {
        if (!check1_) {
            return false;
        }
        // 【 】 〖 〗 are U+3010, U+3011, U+3016 and U+3017.
        if ((ch & 0xFFF0) == 0x3010) {
            if (ch == u'【' || ch == u'〖') {
                in_bracket_ = 1;
            } else if (ch == u'】' || ch == u'〗') {
                in_bracket_ = 0;
            }
        }
        return in_bracket_ == 1;
    }

    char16_t operator()(char16_t ch) { return Skips(ch) ? u' ' : ch; }

  private:
    bool check1_;
    std::int16_t& in_bracket_;
};

}  // namespace chgu
