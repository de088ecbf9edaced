#include "character_class.h"

#include <memory>

namespace chgu::detail {

ClassTable::ClassTable() {
    for (const ClassedCharacter& classed : kClassedCharacters) {
        codes_[classed.ch] = classed.cls.code;
    }
}

const ClassTable& CharacterClasses() {
    static const std::unique_ptr<ClassTable> table(new ClassTable());
    return *table;
}

}  // namespace chgu::detail
