// The three filtered characters a one-character scan looks at: c at the
// current position, p1 and p2 before it (kNoCharacter before the text).
#pragma once

#include "character_class.h"
#include "chgu/class_words.h"

namespace chgu::detail {

struct ScanWindow {
    char32_t p2 = kNoCharacter;
    char32_t p1 = kNoCharacter;
    char32_t c = kNoCharacter;
    CharacterClass p1_class;
    CharacterClass c_class;

    void Shift(char16_t next) {
        p2 = p1;
        p1 = c;
        c = next;
        p1_class = c_class;
        c_class = ClassOf(next);
    }
};

// The context rules that the number recognition and the attribute scans
// share. add(index) receives the index of each class word that counts here,
// in the order the number recognition appends them.

// A colour counts unless the next character is 单 or 双; one at the very end
// of the text counts too.
template <typename Add>
void ColoursAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c_class.family == Family::Colour) {
        add(w.c_class.index);
    }
    if (w.p1_class.family == Family::Colour && w.c_class.family != Family::Parity) {
        add(w.p1_class.index);
    }
}

// 单 or 双 counts unless the character before it is 合 大 小 红 绿 or 蓝.
template <typename Add>
void ParitiesAt(const ScanWindow& w, Add add) {
    const bool bound = w.p1 == kSum || w.p1_class.family == Family::Size ||
                       w.p1_class.family == Family::Colour;
    if (w.c_class.family == Family::Parity && !bound) {
        add(w.c_class.index);
    }
}

// 大 or 小 counts unless the character before it is 合 or the next one is 单
// or 双; one at the very end of the text counts too.
template <typename Add>
void SizesAt(const ScanWindow& w, bool at_end, Add add) {
    if (at_end && w.c_class.family == Family::Size && w.p1 != kSum) {
        add(w.c_class.index);
    }
    if (w.p1_class.family == Family::Size && w.p2 != kSum && w.c_class.family != Family::Parity) {
        add(w.p1_class.index);
    }
}

}  // namespace chgu::detail
