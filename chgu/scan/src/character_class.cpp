#include "character_class.h"

#include <array>
#include <memory>
#include <span>
#include <string_view>

#include "chgu/class_words.h"

namespace chgu::detail {

namespace {

using ClassTable = std::array<CharacterClass, 0x10000>;

void Enter(ClassTable& table, std::span<const std::u16string_view> words, Family family) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        table[words[i].front()] = CharacterClass{family, static_cast<std::uint8_t>(i)};
    }
}

std::unique_ptr<ClassTable> BuildClassTable() {
    auto table = std::make_unique<ClassTable>();
    Enter(*table, kAnimalWords, Family::Animal);
    Enter(*table, kElementWords, Family::Element);
    Enter(*table, kColourWords, Family::Colour);
    Enter(*table, kSizeWords, Family::Size);
    Enter(*table, kParityWords, Family::Parity);
    return table;
}

}  // namespace

CharacterClass ClassOf(char32_t c) {
    static const std::unique_ptr<ClassTable> table = BuildClassTable();
    return c < table->size() ? (*table)[c] : CharacterClass{};
}

}  // namespace chgu::detail
