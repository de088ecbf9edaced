#include "literal_rules.h"

#include "kova/tables.h"
#include "platform/codepage.h"

namespace kova::test {

namespace {

// The working text with 1-based positions.
class LiteralText {
  public:
    explicit LiteralText(std::string_view text)
        : s_(std::string(1, ' ').append(text).append(" ")) {}

    long long Length() const { return static_cast<long long>(s_.size()); }

    unsigned char Byte(long long p) const {
        return p < 1 || p > Length() ? 0 : static_cast<unsigned char>(s_[p - 1]);
    }

    // The k bytes copied from position p; p < 1 is taken as 1, and the copy
    // is cut short at the end.
    std::string Copy(long long p, std::size_t k) const {
        if (p < 1) {
            p = 1;
        }
        return p > Length() ? std::string() : s_.substr(static_cast<std::size_t>(p - 1), k);
    }

    void Delete(long long p, std::size_t k) { s_.erase(static_cast<std::size_t>(p - 1), k); }

    void RemoveMarks(long long f) {
        for (const char* mark : {"九", "号", "："}) {
            if (Copy(f, 2) == platform::Utf8ToGbk(mark)) {
                Delete(f, 2);
            }
        }
    }

  private:
    std::string s_;
};

bool IsDigit(unsigned char b) {
    return b >= '0' && b <= '9';
}

bool StopsNumber(unsigned char b) {
    return b == 0 || IsDigit(b) || b == 0xB4 || b == 0xBA || b == 0xC2 || b == 0xCD || b == 0xCE;
}

void Add(std::array<long long, 50>& counts, NumberSet numbers) {
    for (int n : numbers.Numbers()) {
        ++counts[static_cast<std::size_t>(n)];
    }
}

}  // namespace

std::array<long long, 50> LiteralNumberCounts(std::string_view gbk_text, int year) {
    std::array<long long, 50> counts{};
    LiteralText s(gbk_text);
    const std::string sum = platform::Utf8ToGbk("合");
    const long long length = s.Length();
    for (long long f = 1; f <= length; ++f) {
        const unsigned char before = s.Byte(f - 1), here = s.Byte(f), after = s.Byte(f + 1);
        if (before != 0 && !IsDigit(before) && before != 0xB9 && !StopsNumber(after) &&
            here >= '1' && here <= '9') {
            ++counts[here - '0'];
        }
        const std::string two = s.Copy(f - 1, 2);
        if (!StopsNumber(after) && two.size() == 2 && IsDigit(two[0]) && IsDigit(two[1])) {
            const int n = (two[0] - '0') * 10 + (two[1] - '0');
            if (n >= 1 && n <= 49) {
                ++counts[static_cast<std::size_t>(n)];
            }
        }
        s.RemoveMarks(f);
        for (std::size_t i = 0; i < ZodiacNames.size(); ++i) {
            if (s.Copy(f, 2) == ZodiacNames[i]) {
                Add(counts, NumbersOfAnimal(static_cast<int>(i + 1), year));
            }
        }
        const auto fixed = [&](auto& names, FixedClass family) {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (s.Copy(f, names[i].size()) == names[i]) {
                    Add(counts, NumbersOfFixedWord(family, static_cast<int>(i + 1)));
                }
            }
        };
        fixed(HeadNames, FixedClass::kHead);
        fixed(WaveNames, FixedClass::kWave);
        if (s.Copy(f, 2) == kBlueAlias) {
            Add(counts, NumbersOfFixedWord(FixedClass::kWave, 3));
        }
        fixed(TailNames, FixedClass::kTail);
        for (int i = 1; i <= 2; ++i) {
            const bool after_sum = s.Copy(f - 2, 2) == sum;
            if (s.Copy(f, 2) == BigSmallNames[static_cast<std::size_t>(i - 1)]) {
                Add(counts, NumbersOfFixedWord(
                                after_sum ? FixedClass::kSumBigSmall : FixedClass::kBigSmall, i));
            }
            if (s.Copy(f, 2) == OddEvenNames[static_cast<std::size_t>(i - 1)]) {
                Add(counts, NumbersOfFixedWord(
                                after_sum ? FixedClass::kSumOddEven : FixedClass::kOddEven, i));
            }
        }
        for (std::size_t i = 0; i < ElementNames.size(); ++i) {
            if (s.Copy(f, 2) == ElementNames[i]) {
                Add(counts, NumbersOfElement(static_cast<int>(i + 1), year));
            }
        }
        for (int i = 1; i <= 10; ++i) {
            const std::string_view word = DigitSumNames[static_cast<std::size_t>(i - 1)];
            if (s.Copy(f, word.size()) == word) {
                const bool teen = i <= 3 && s.Byte(f - 1) == '1';
                Add(counts, NumbersOfFixedWord(FixedClass::kDigitSum, teen ? i + 10 : i));
            }
        }
    }
    return counts;
}

std::map<std::string, long long> LiteralAttributeCounts(std::string_view gbk_text,
                                                        const LiteralAttributeRules& rules) {
    std::map<std::string, long long> counts;
    for (std::string_view word : rules.words) {
        counts[platform::GbkToUtf8(word)] = 0;
    }
    LiteralText s(gbk_text);
    const std::string sum = platform::Utf8ToGbk("合");
    const long long length = s.Length();
    for (long long f = 1; f <= length; ++f) {
        if (rules.removes_marks) {
            s.RemoveMarks(f);
        }
        const std::size_t compared = rules.words.size() - (rules.reads_teen_sums ? 3 : 0);
        for (std::size_t i = 0; i < compared; ++i) {
            const std::string_view word = rules.words[i];
            if (s.Copy(f, word.size()) != word) {
                continue;
            }
            if (rules.skips_after_sum && s.Copy(f - 2, 2) == sum) {
                continue;
            }
            const bool teen = rules.reads_teen_sums && i < 3 && s.Byte(f - 1) == '1';
            ++counts[platform::GbkToUtf8(rules.words[teen ? i + 10 : i])];
        }
    }
    return counts;
}

}  // namespace kova::test
