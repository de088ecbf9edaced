// The three filtered characters a one-character scan looks at: c at the
// current position, p1 and p2 before it (no character before the text), as
// their classes.
#pragma once

#include "character_class.h"
#include "chgu/bracket_filter.h"

namespace chgu::detail {

struct ScanWindow {
    CharacterClass p2 = kNoCharacterClass;
    CharacterClass p1 = kNoCharacterClass;
    CharacterClass c = kNoCharacterClass;

    void Shift(CharacterClass next) {
        p2 = p1;
        p1 = c;
        c = next;
    }
};

// The class of the raw character at a position, read through the bracket
// filter: inside a skipped stretch the character is " ", which is no class
// word.
inline CharacterClass Filtered(char16_t raw, CharacterClass raw_class, BracketFilter& filter) {
    return filter.Skips(raw) ? kOtherClass : raw_class;
}

// The context rules that the number recognition and the attribute scans
// share. add(index) receives the index of each class word that counts here,
// in the order the number recognition appends them.

// A colour counts unless the next character is 单 or 双; one at the very end
// of the text counts too.
template <typename Add>
void ColoursAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c.Is(Family::Colour)) {
        add(w.c.index);
    }
    if (w.p1.Is(Family::Colour) && !w.c.Is(Family::Parity)) {
        add(w.p1.index);
    }
}

// 单 or 双 counts unless the character before it is 合 大 小 红 绿 or 蓝.
template <typename Add>
void ParitiesAt(const ScanWindow& w, Add add) {
    constexpr Families kBinding = FamilySet({Family::Sum, Family::Size, Family::Colour});
    if (w.c.Is(Family::Parity) && !w.p1.In(kBinding)) {
        add(w.c.index);
    }
}

// 大 or 小 counts unless the character before it is 合 or the next one is 单
// or 双; one at the very end of the text counts too.
template <typename Add>
void SizesAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c.Is(Family::Size) && !w.p1.Is(Family::Sum)) {
        add(w.c.index);
    }
    if (w.p1.Is(Family::Size) && !w.p2.Is(Family::Sum) && !w.c.Is(Family::Parity)) {
        add(w.p1.index);
    }
}

}  // namespace chgu::detail
