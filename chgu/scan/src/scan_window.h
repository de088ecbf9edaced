// The three filtered characters a one-character scan looks at: c at the
// current position, p1 and p2 before it (no character before the text).
#pragma once

#include "character_class.h"
#include "chgu/bracket_filter.h"

namespace chgu::detail {

// One filtered character of the window: the character, for the words that
// are compared whole, and its class, for every other test.
struct WindowCharacter {
    char16_t ch = 0;
    CharacterClass cls = kNoCharacterClass;
};

struct ScanWindow {
    WindowCharacter p2;
    WindowCharacter p1;
    WindowCharacter c;

    void Shift(WindowCharacter next) {
        p2 = p1;
        p1 = c;
        c = next;
    }
};

// The raw character at a position and its class, read through the bracket
// filter: inside a skipped stretch it is " ", which is no class word.
inline WindowCharacter Filtered(char16_t raw, CharacterClass raw_class, BracketFilter& filter) {
    return filter.Skips(raw) ? WindowCharacter{u' ', CharacterClass{}}
                             : WindowCharacter{raw, raw_class};
}

// The context rules that the number recognition and the attribute scans
// share. add(index) receives the index of each class word that counts here,
// in the order the number recognition appends them.

// A colour counts unless the next character is 单 or 双; one at the very end
// of the text counts too.
template <typename Add>
void ColoursAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c.cls.Is(Family::Colour)) {
        add(w.c.cls.index);
    }
    if (w.p1.cls.Is(Family::Colour) && !w.c.cls.Is(Family::Parity)) {
        add(w.p1.cls.index);
    }
}

// 单 or 双 counts unless the character before it is 合 大 小 红 绿 or 蓝.
template <typename Add>
void ParitiesAt(const ScanWindow& w, Add add) {
    constexpr Families kBinding = FamilySet({Family::Sum, Family::Size, Family::Colour});
    if (w.c.cls.Is(Family::Parity) && !w.p1.cls.In(kBinding)) {
        add(w.c.cls.index);
    }
}

// 大 or 小 counts unless the character before it is 合 or the next one is 单
// or 双; one at the very end of the text counts too.
template <typename Add>
void SizesAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c.cls.Is(Family::Size) && !w.p1.cls.Is(Family::Sum)) {
        add(w.c.cls.index);
    }
    if (w.p1.cls.Is(Family::Size) && !w.p2.cls.Is(Family::Sum) && !w.c.cls.Is(Family::Parity)) {
        add(w.p1.cls.index);
    }
}

}  // namespace chgu::detail
