// Compares the engine with the literal model on random tip texts: every
// statistics button, table years 2004..2011 and every setting, and the table
// years of a year-tables file.
#include <gtest/gtest.h>

#include <random>

#include "chgu/statistics.h"
#include "platform/codepage.h"
#include "platform/traditional.h"
#include "random_year_tables_file.h"
#include "reference_model.h"
#include "test_support.h"
#include "traditional_forms.h"
#include "yeartables/year_tables_file.h"

namespace {

// Pieces that meet the scanning rules: class words and their neighbours, stop
// characters, markers, brackets, digits, separators and line breaks.
const std::vector<std::u16string> kPieces = {
    u"鼠",   u"牛",  u"虎",  u"兔",     u"龙",  u"蛇",     u"马",     u"羊",   u"猴",   u"鸡",
    u"狗",   u"猪",  u"金",  u"木",     u"水",  u"火",     u"土",     u"红",   u"绿",   u"蓝",
    u"兰",   u"大",  u"小",  u"单",     u"双",  u"合",     u"头",     u"尾",   u"次",   u"期",
    u"码",   u"数",  u"0",   u"1",      u"2",   u"3",      u"4",      u"5",    u"9",    u"00",
    u"10",   u"12",  u"49",  u"50",     u"123", u",",      u" ",      u"\r\n", u"\n",   u"\r",
    u"、",   u"【",  u"】",  u"〖",     u"〗",  u"合数单", u"合数双", u"３",   u"１２", u"3次",
    u"12次", u"0次", u"期",  u"共01次", u"05,", u"红单",   u"合大",   u"大单", u"10合", u"11合",
    u"14合", u"0头", u"9尾", u"a"};

std::u16string RandomTipText(std::mt19937& random, unsigned least_pieces, unsigned most_pieces) {
    std::u16string text;
    const auto pieces =
        least_pieces + static_cast<unsigned>(random() % (most_pieces - least_pieces));
    for (unsigned i = 0; i < pieces; ++i)
        text += kPieces[random() % kPieces.size()];
    return text;
}

// The options and check boxes of a random press, and the same for the engine.
void RandomStrip(chgu::reference::Settings& model, std::mt19937& random) {
    model.skip_brackets = random() % 4 != 0;
    model.cumulative = random() % 3 == 0;
    model.long_lines = random() % 2 == 0;
}

chgu::StatisticSettings EngineSettingsOf(const chgu::reference::Settings& model,
                                         const chgu::YearTables* tables = nullptr) {
    return {{model.table_year, model.skip_brackets, model.cumulative, tables}, model.long_lines};
}

const std::u16string kYears[] = {u"2004", u"2005", u"2006", u"2007",
                                 u"2008", u"2009", u"2010", u"2011"};

}  // namespace

TEST(ChguDifferential, EveryButtonMatchesTheLiteralModelOnRandomTexts) {
    std::mt19937 random(20060129);
    for (int round = 0; round < 6200; ++round) {
        // The last rounds are long enough for the number recognition to tally
        // windows instead of running the rules on each.
        const std::u16string text =
            round < 6000 ? RandomTipText(random, 0, 30) : RandomTipText(random, 3000, 5000);
        chgu::reference::Settings model;
        model.table_year = kYears[round % 8];
        RandomStrip(model, random);
        const chgu::StatisticSettings engine = EngineSettingsOf(model);
        const auto index = static_cast<std::int16_t>(round % 12);

        std::int16_t in_bracket = 0;
        const std::u16string text2 = chgu::test::Text2After(index, text, engine, in_bracket);
        ASSERT_EQ(platform::Utf16ToUtf8(text2),
                  platform::Utf16ToUtf8(chgu::reference::Press(index, text, model)))
            << "text: " << platform::Utf16ToUtf8(text) << "\nbutton " << index << ", table year "
            << platform::Utf16ToUtf8(model.table_year) << (model.skip_brackets ? ", brackets" : "")
            << (model.cumulative ? ", cumulative" : "")
            << (model.long_lines ? "" : ", short lines");
    }
}

// A file of random tables, read by the program's reader, against the model
// that takes the same tables as they were written: its table years count by
// the file; 2005..2010 as built in, and the years around them, count as
// without it.
TEST(ChguDifferential, EveryButtonMatchesTheLiteralModelWithAYearTablesFile) {
    std::mt19937 random(20260301);
    for (int file = 0; file < 40; ++file) {
        const int count = 1 + file % 4;
        const auto written = yeartables::test::RandomYearTablesFile(random, count);
        const auto read =
            yeartables::ParseYearTables(platform::Utf8ToUtf16(written.text), u"YearTables.txt");
        ASSERT_FALSE(read.fault) << platform::Utf16ToUtf8(*read.fault) << "\n" << written.text;
        const chgu::YearTables tables(read.years);
        ASSERT_EQ(tables.LastYear(), 2010 + count);
        chgu::reference::Settings model;
        for (const auto& year : written.years) {
            model.added[year.year] = {year.animal, year.element};
        }
        for (int round = 0; round < 60; ++round) {
            const std::u16string text = RandomTipText(random, 0, 30);
            // 2004 .. one year past the file.
            const int year = 2004 + static_cast<int>(random() % (8 + count));
            model.table_year = platform::Utf8ToUtf16(std::to_string(year));
            RandomStrip(model, random);
            const chgu::StatisticSettings engine = EngineSettingsOf(model, &tables);
            const auto index = static_cast<std::int16_t>(random() % 12);

            std::int16_t in_bracket = 0;
            const std::u16string text2 = chgu::test::Text2After(index, text, engine, in_bracket);
            ASSERT_EQ(platform::Utf16ToUtf8(text2),
                      platform::Utf16ToUtf8(chgu::reference::Press(index, text, model)))
                << "text: " << platform::Utf16ToUtf8(text) << "\nbutton " << index
                << ", table year " << year << "\nfile:\n"
                << written.text;
        }
    }
}

// The number recognition, the cumulative number scan and 全转半 take a text
// in pieces and blocks (of 4096 and 16 units); the sequences whose parts act
// together, at every place around the first boundaries of both.
TEST(ChguDifferential, SequencesAcrossThePiecesOfALongTextMatchTheLiteralModel) {
    const std::u16string sequences[] = {u"\r\n\n\r",         u"\n０５,", u"12次05,",
                                        u"99999999999次12,", u"【05,】", u"5,05,鼠"};
    for (const std::u16string& sequence : sequences) {
        for (const std::size_t boundary : {16, 4096}) {
            for (std::size_t before = boundary - 6; before < boundary + 3; ++before) {
                std::u16string text(before, u'a');
                text += sequence + u"3次" + std::u16string(before, u'a') + sequence;
                for (const int button : {0, 1, 11}) {
                    const auto index = static_cast<std::int16_t>(button);
                    for (const bool cumulative : {false, true}) {
                        chgu::reference::Settings model;
                        model.cumulative = cumulative;
                        chgu::StatisticSettings engine;
                        engine.scan.TableYear = model.table_year;
                        engine.scan.Check2 = cumulative;
                        std::int16_t in_bracket = 0;
                        ASSERT_EQ(platform::Utf16ToUtf8(
                                      chgu::test::Text2After(index, text, engine, in_bracket)),
                                  platform::Utf16ToUtf8(chgu::reference::Press(index, text, model)))
                            << platform::Utf16ToUtf8(sequence) << " after " << before
                            << " units, button " << button << (cumulative ? ", cumulative" : "");
                    }
                }
            }
        }
    }
}

// 繁体字也统计 on: the engine on the text its press makes against the model on
// the text with the table written out; off: the text as written, so that the
// reports (and 全转半) are those without the setting.
TEST(ChguDifferential, TraditionalFormsMatchTheLiteralModelWithTheSettingOnAndOff) {
    std::mt19937 random(19991220);
    for (int round = 0; round < 3000; ++round) {
        const double share = static_cast<double>(random() % 5) / 4.0;
        const std::u16string text = platform::test::WithTraditionalForms(
            round % 300 == 0 ? RandomTipText(random, 3000, 5000) : RandomTipText(random, 0, 30),
            share, random);
        const bool on = random() % 2 == 0;
        chgu::reference::Settings model;
        model.table_year = kYears[random() % 8];
        RandomStrip(model, random);
        const chgu::StatisticSettings engine = EngineSettingsOf(model);
        const auto index = static_cast<std::int16_t>(round % 12);

        std::u16string engine_text = text;
        if (on) {
            platform::SimplifyTraditional(engine_text);
        }
        std::int16_t in_bracket = 0;
        const std::u16string text2 = chgu::test::Text2After(index, engine_text, engine, in_bracket);
        ASSERT_EQ(platform::Utf16ToUtf8(text2),
                  platform::Utf16ToUtf8(chgu::reference::Press(
                      index, on ? chgu::reference::Simplified(text) : text, model)))
            << "text: " << platform::Utf16ToUtf8(text) << "\nbutton " << index
            << (on ? ", 繁体字也统计" : "");
    }
}
