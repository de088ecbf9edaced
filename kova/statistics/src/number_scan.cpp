#include "number_scan.h"

#include "position_scanner.h"
#include "word_rules.h"

namespace kova::detail {

namespace {

using Kind = WordMeaning::Kind;

// The words of the number statistics and what each counter stands for.
// Counters 1..49 are the written numbers; counter kFirstWordCounter + i is
// meanings[i].
constexpr int kFirstWordCounter = kLastNumber + 1;

class NumberWords {
  public:
    NumberWords() {
        for (std::size_t i = 0; i < ZodiacNames.size(); ++i) {
            Add(ZodiacNames[i], {Kind::kAnimal, FixedClass::kHead, Index(i)});
        }
        AddFixed(HeadNames, FixedClass::kHead);
        AddFixed(WaveNames, FixedClass::kWave);
        words_.push_back({kBlueAlias, CounterOf({Kind::kFixed, FixedClass::kWave, 3})});
        AddFixed(TailNames, FixedClass::kTail);
        // 大 小 单 双 right after 合 stand for 合大 合小 合单 合双.
        AddWithSumVariant(BigSmallNames, FixedClass::kBigSmall, FixedClass::kSumBigSmall);
        AddWithSumVariant(OddEvenNames, FixedClass::kOddEven, FixedClass::kSumOddEven);
        for (std::size_t i = 0; i < ElementNames.size(); ++i) {
            Add(ElementNames[i], {Kind::kElement, FixedClass::kHead, Index(i)});
        }
        // 1合..10合; a "1" before 1合..3合 makes them 11合..13合.
        for (std::size_t i = 0; i + kLastTeenSumBase < DigitSumNames.size(); ++i) {
            const WordMeaning plain{Kind::kFixed, FixedClass::kDigitSum, Index(i)};
            if (Index(i) <= kLastTeenSumBase) {
                const WordMeaning teen{Kind::kFixed, FixedClass::kDigitSum,
                                       Index(i) + kTeenSumShift};
                words_.push_back(
                    {DigitSumNames[i], CounterOf(plain), Context::kAfterOne, CounterOf(teen)});
            } else {
                Add(DigitSumNames[i], plain);
            }
        }
    }

    const std::vector<ScanWord>& Words() const { return words_; }
    const std::vector<WordMeaning>& Meanings() const { return meanings_; }

  private:
    static int Index(std::size_t i) { return static_cast<int>(i + 1); }

    // The counter of a meaning, a new one the first time it is asked for.
    int CounterOf(const WordMeaning& meaning) {
        for (std::size_t i = 0; i < meanings_.size(); ++i) {
            const WordMeaning& known = meanings_[i];
            if (known.kind == meaning.kind && known.family == meaning.family &&
                known.index == meaning.index) {
                return kFirstWordCounter + static_cast<int>(i);
            }
        }
        meanings_.push_back(meaning);
        return kFirstWordCounter + static_cast<int>(meanings_.size() - 1);
    }

    void Add(std::string_view word, const WordMeaning& meaning) {
        words_.push_back({word, CounterOf(meaning)});
    }

    template <std::size_t N>
    void AddFixed(const std::array<std::string_view, N>& names, FixedClass family) {
        for (std::size_t i = 0; i < N; ++i) {
            Add(names[i], {Kind::kFixed, family, Index(i)});
        }
    }

    template <std::size_t N>
    void AddWithSumVariant(const std::array<std::string_view, N>& names, FixedClass family,
                           FixedClass sum_family) {
        for (std::size_t i = 0; i < N; ++i) {
            words_.push_back({names[i], CounterOf({Kind::kFixed, family, Index(i)}),
                              Context::kAfterSum, CounterOf({Kind::kFixed, sum_family, Index(i)})});
        }
    }

    std::vector<ScanWord> words_;
    std::vector<WordMeaning> meanings_;
};

struct NumberScan {
    NumberWords words;
    PositionScanner scanner{words.Words(),
                            kFirstWordCounter - 1 + static_cast<int>(words.Meanings().size()),
                            /*removes_marks=*/true, /*reads_written_numbers=*/true};
};

}  // namespace

NumberTally ScanNumberText(std::string_view text) {
    static const NumberScan scan;
    const std::vector<Tally> counts = scan.scanner.Count(text);
    NumberTally tally;
    for (int number = kFirstNumber; number <= kLastNumber; ++number) {
        tally.written[static_cast<std::size_t>(number)] = counts[static_cast<std::size_t>(number)];
    }
    const std::vector<WordMeaning>& meanings = scan.words.Meanings();
    for (std::size_t i = 0; i < meanings.size(); ++i) {
        tally.words.emplace_back(meanings[i], counts[kFirstWordCounter + i]);
    }
    return tally;
}

}  // namespace kova::detail
