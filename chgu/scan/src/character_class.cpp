#include "character_class.h"

#include <memory>
#include <span>
#include <string_view>

#include "chgu/class_words.h"

namespace chgu::detail {

namespace {

void Enter(ClassTable& table, std::span<const std::u16string_view> words, Family family) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        table[words[i].front()] = CharacterClass{family, static_cast<std::uint8_t>(i)};
    }
}

std::unique_ptr<ClassTable> BuildClassTable() {
    auto table = std::make_unique<ClassTable>();
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        (*table)[digit] = CharacterClass{Family::Digit, static_cast<std::uint8_t>(digit - u'0')};
    }
    Enter(*table, kAnimalWords, Family::Animal);
    Enter(*table, kElementWords, Family::Element);
    Enter(*table, kColourWords, Family::Colour);
    Enter(*table, kSizeWords, Family::Size);
    Enter(*table, kParityWords, Family::Parity);
    (*table)[u'合'] = CharacterClass{Family::Sum, 0};
    (*table)[u'头'] = CharacterClass{Family::Head, 0};
    (*table)[u'尾'] = CharacterClass{Family::Tail, 0};
    (*table)[u'次'] = CharacterClass{Family::Times, 0};
    (*table)[u'期'] = CharacterClass{Family::Issue, 0};
    (*table)[u'码'] = CharacterClass{Family::Issue, 1};
    return table;
}

}  // namespace

const ClassTable& CharacterClasses() {
    static const std::unique_ptr<ClassTable> table = BuildClassTable();
    return *table;
}

}  // namespace chgu::detail
