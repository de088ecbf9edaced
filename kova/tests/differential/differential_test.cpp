// Compares the engine with the literal model on random tip texts: every
// statistic, every year, both arrangements, with and without a year-tables
// file; short texts, and long ones whose marks, digits and words fall across
// the stretches in which the engine reads long texts (4096 bytes).
#include <gtest/gtest.h>

#include <random>

#include "kova/statistics.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "random_year_tables_file.h"
#include "reference_model.h"
#include "traditional_forms.h"
#include "yeartables/year_tables_file.h"

namespace {

using kova::reference::Family;

// Fragments that meet the scan's rules: words, marks, stop characters, digits,
// and the bytes that only match in the middle of double-byte characters.
const std::vector<std::string>& Fragments() {
    static const std::vector<std::string> fragments = [] {
        std::vector<std::string> out;
        for (const char* utf8 :
             {"鼠",   "牛",  "虎",  "兔",     "龙",         "蛇",   "马",   "羊",   "猴",   "鸡",
              "狗",   "猪",  "金",  "木",     "水",         "火",   "土",   "红",   "绿",   "蓝",
              "兰",   "大",  "小",  "单",     "双",         "合",   "头",   "尾",   "九",   "号",
              "：",   "次",  "码",  "共",     "（",         "）",   "一段", "七段", "段",   "期",
              "年",   "数",  "0",   "1",      "2",          "3",    "4",    "5",    "9",    "00",
              "10",   "11",  "12",  "13",     "49",         "50",   "123",  ",",    " ",    "\r\n",
              "、",   "【",  "】",  "猴子",   "九：",       "号：", "合单", "合大", "10合", "11合",
              "21合", "3头", "5尾", "共01次", "（共00码）", "２"}) {
            out.push_back(platform::Utf8ToGbk(utf8));
        }
        for (int b : {0xB4, 0xB9, 0xBA, 0xC2, 0xC5, 0xA3, 0xCD, 0xCE, 0xCF, 0xB5}) {
            out.push_back(std::string(1, static_cast<char>(b)));  // stray halves
        }
        return out;
    }();
    return fragments;
}

std::string RandomTipText(std::mt19937& random, unsigned most_pieces = 40) {
    std::string text;
    const int pieces = static_cast<int>(random() % most_pieces);
    for (int i = 0; i < pieces; ++i) {
        text += Fragments()[random() % Fragments().size()];
    }
    return text;
}

// A tip text of the same fragments in which a share of the characters are
// written in traditional forms; the stray halves stay as they are.
std::string TraditionalTipText(std::mt19937& random, double share, unsigned most_pieces = 40) {
    std::string text;
    const int pieces = static_cast<int>(random() % most_pieces);
    for (int i = 0; i < pieces; ++i) {
        const std::string& fragment = Fragments()[random() % Fragments().size()];
        const bool stray_half =
            fragment.size() == 1 && static_cast<unsigned char>(fragment[0]) >= 0x80;
        text += stray_half ? fragment
                           : platform::Utf16ToGbk(platform::test::WithTraditionalForms(
                                 platform::GbkToUtf16(fragment), share, random));
    }
    return text;
}

kova::ReportLines Run(std::string_view statistic, const std::string& text) {
    return kova::Report(kova::StatisticNamed(statistic), text);
}

kova::ReportLines RunAttribute(Family family, const std::string& text) {
    switch (family) {
        case Family::kZodiac:
            return Run("ZodiacStatistics", text);
        case Family::kHead:
            return Run("HeadStatistics", text);
        case Family::kTail:
            return Run("TailStatistics", text);
        case Family::kElement:
            return Run("ElementStatistics", text);
        case Family::kDigitSum:
            return Run("DigitSumStatistics", text);
        case Family::kWave:
            return Run("WaveStatistics", text);
        case Family::kBigSmall:
            return Run("BigSmallStatistics", text);
        case Family::kOddEven:
            return Run("OddEvenStatistics", text);
        case Family::kSumOddEven:
            return Run("SumOddEvenStatistics", text);
        case Family::kSegment:
            return Run("SegmentStatistics", text);
    }
    return {};
}

}  // namespace

TEST(KovaDifferential, NumberReportMatchesTheLiteralModelOnRandomTexts) {
    std::mt19937 random(20040708);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = RandomTipText(random);
        const int year = 2003 + round % 8;
        const bool wrapped = (round / 8) % 2 == 0;
        const auto arrangement =
            wrapped ? kova::Arrangement::kWrapped : kova::Arrangement::kOneLine;
        ASSERT_EQ(kova::ReportText(kova::NumberStatistics(text, year, arrangement)),
                  kova::reference::NumberReport(text, year, wrapped))
            << "text (UTF-8): " << platform::GbkToUtf8(text) << " year " << year
            << (wrapped ? " arrangement 1" : " arrangement 2");
    }
}

TEST(KovaDifferential, AttributeReportsMatchTheLiteralModelOnRandomTexts) {
    std::mt19937 random(56);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = RandomTipText(random);
        const auto family = static_cast<Family>(round % 10);
        ASSERT_EQ(kova::ReportText(RunAttribute(family, text)),
                  kova::reference::AttributeReport(text, family))
            << "text (UTF-8): " << platform::GbkToUtf8(text) << " statistic "
            << static_cast<int>(family);
    }
}

// A file of random tables, read by the program's reader, against the model
// that takes the same tables as they were written: the file's years count by
// the file, the built-in years as without it.
TEST(KovaDifferential, NumberReportMatchesTheLiteralModelWithAYearTablesFile) {
    std::mt19937 random(20260217);
    for (int file = 0; file < 40; ++file) {
        const int count = 1 + file % 4;
        const auto written = yeartables::test::RandomYearTablesFile(random, count);
        const auto read =
            yeartables::ParseYearTables(platform::Utf8ToUtf16(written.text), u"YearTables.txt");
        ASSERT_FALSE(read.fault) << platform::Utf16ToUtf8(*read.fault) << "\n" << written.text;
        const kova::YearTables tables(read.years);
        ASSERT_EQ(tables.LastYear(), 2010 + count);
        kova::reference::AddedYears added;
        for (const auto& year : written.years) {
            added[year.year] = {year.animal, year.element};
        }
        for (int round = 0; round < 50; ++round) {
            const std::string text = RandomTipText(random);
            const int year = 2003 + static_cast<int>(random() % (8 + count));
            const bool wrapped = random() % 2 == 0;
            const auto arrangement =
                wrapped ? kova::Arrangement::kWrapped : kova::Arrangement::kOneLine;
            ASSERT_EQ(kova::ReportText(kova::NumberStatistics(text, year, arrangement, tables)),
                      kova::reference::NumberReport(text, year, wrapped, added))
                << "text (UTF-8): " << platform::GbkToUtf8(text) << " year " << year << "\nfile:\n"
                << written.text;
        }
    }
}

TEST(KovaDifferential, LongTextsMatchTheLiteralModelAcrossStretches) {
    std::mt19937 random(20100101);
    for (int round = 0; round < 40; ++round) {
        // At least 5000 bytes: past the first stretch boundary, often the second.
        std::string text;
        while (text.size() < 5000) {
            text += RandomTipText(random, 1000);
        }
        const int year = 2003 + round % 8;
        const bool wrapped = round % 2 == 0;
        const auto arrangement =
            wrapped ? kova::Arrangement::kWrapped : kova::Arrangement::kOneLine;
        ASSERT_EQ(kova::ReportText(kova::NumberStatistics(text, year, arrangement)),
                  kova::reference::NumberReport(text, year, wrapped))
            << "round " << round;
        const auto family = static_cast<Family>(round % 10);
        ASSERT_EQ(kova::ReportText(RunAttribute(family, text)),
                  kova::reference::AttributeReport(text, family))
            << "round " << round << " statistic " << static_cast<int>(family);
    }
}

TEST(KovaDifferential, MarksAndDigitsAtEveryOffsetOfTheFirstStretchBoundaries) {
    for (const char* utf8 : {"九：牛", "号：05", "九九号：：1合", "12", "合大", "10合", "：5,"}) {
        const std::string piece = platform::Utf8ToGbk(utf8);
        for (std::size_t before = 4080; before < 4100; ++before) {
            std::string text(before, 'a');
            text += piece + text + piece;  // near the first and the second boundary
            ASSERT_EQ(
                kova::ReportText(kova::NumberStatistics(text, 2005, kova::Arrangement::kOneLine)),
                kova::reference::NumberReport(text, 2005, false))
                << utf8 << " after " << before << " bytes";
            for (const Family family : {Family::kZodiac, Family::kDigitSum, Family::kBigSmall}) {
                ASSERT_EQ(kova::ReportText(RunAttribute(family, text)),
                          kova::reference::AttributeReport(text, family))
                    << utf8 << " after " << before << " bytes, statistic "
                    << static_cast<int>(family);
            }
        }
    }
}

// 繁体字也统计 on: the engine on the text its press makes against the model on
// the text with the table written out; off: the text as written, so that the
// reports are those without the setting.
TEST(KovaDifferential, TraditionalFormsMatchTheLiteralModelWithTheSettingOnAndOff) {
    std::mt19937 random(19970701);
    for (int round = 0; round < 2200; ++round) {
        const double share = static_cast<double>(random() % 5) / 4.0;
        const bool long_text = round % 200 == 0;
        std::string text = TraditionalTipText(random, share, long_text ? 3000 : 40);
        const bool on = random() % 2 == 0;
        std::string engine_text = text;
        if (on) {
            platform::SimplifyTraditionalGbk(engine_text);
        }
        const std::string model_text = on ? kova::reference::Simplified(text) : text;
        const int statistic = round % 11;
        const int year = 2003 + static_cast<int>(random() % 8);
        const std::string engine =
            statistic == 10
                ? kova::ReportText(
                      kova::NumberStatistics(engine_text, year, kova::Arrangement::kWrapped))
                : kova::ReportText(RunAttribute(static_cast<Family>(statistic), engine_text));
        const std::string model =
            statistic == 10
                ? kova::reference::NumberReport(model_text, year, true)
                : kova::reference::AttributeReport(model_text, static_cast<Family>(statistic));
        ASSERT_EQ(engine, model) << "text (UTF-8): " << platform::GbkToUtf8(text) << " statistic "
                                 << statistic << (on ? ", 繁体字也统计" : "");
    }
}
