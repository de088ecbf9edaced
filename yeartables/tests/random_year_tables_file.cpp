#include "random_year_tables_file.h"

#include <algorithm>

namespace yeartables::test {

namespace {

const char* const kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kElements[] = {"金", "木", "水", "火", "土"};

template <std::size_t N>
const char* Pick(std::mt19937& random, const char* const (&choices)[N]) {
    return choices[random() % N];
}

}  // namespace

WrittenFile RandomYearTablesFile(std::mt19937& random, int count) {
    WrittenFile file;
    const char* const line_end = Pick(random, {"\r\n", "\n", "\r"});
    file.text.append("# 年份表").append(line_end);
    for (int i = 0; i < count; ++i) {
        WrittenYear year;
        year.year = 2011 + i;
        year.animal = static_cast<int>(random() % 12);
        for (int n = 1; n <= 49; ++n) {
            year.element[n] = static_cast<int>(random() % 5);
        }
        file.years.push_back(year);

        if (random() % 3 == 0) {
            file.text.append(Pick(random, {"", "  ", "# 说明", " # 又一年"})).append(line_end);
        }
        const std::string bar = Pick(random, {"|", "|", " | ", "｜"});
        const std::string colon = Pick(random, {":", ":", "：", " : "});
        const std::string between = Pick(random, {" ", " ", ",", ", ", "、", "  "});
        file.text.append(std::to_string(year.year)).append(bar).append(kAnimals[year.animal]);
        int order[] = {0, 1, 2, 3, 4};
        std::shuffle(std::begin(order), std::end(order), random);
        for (const int element : order) {
            file.text.append(bar).append(kElements[element]).append(colon);
            bool first = true;
            for (int n = 1; n <= 49; ++n) {
                if (year.element[n] != element) {
                    continue;
                }
                file.text += first ? "" : between;
                first = false;
                file.text.append(n < 10 && random() % 4 != 0 ? "0" : "").append(std::to_string(n));
            }
        }
        file.text += line_end;
    }
    return file;
}

}  // namespace yeartables::test
