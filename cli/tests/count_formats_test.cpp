// The csv and json forms read back by readers of their own: whatever the
// items and counts, a reader gets them back whole and in order, and the
// shape (one statistic or several, pretty or not) is as scripts expect.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/count_formats.h"
#include "count_reading.h"

namespace cli {
namespace {

using test::ItemCounts;

// Items a class word never holds but a CSV or JSON writer must survive:
// separators, quotes, backslashes, line breaks, control characters and
// Chinese text.
std::string RandomItem(std::mt19937& random) {
    static const std::vector<std::string> pieces = {
        "05", "鼠",   ",",  "\"", "\\", "\r\n", "\n", "\t", std::string(1, '\x01'),
        " ",  "合单", "{}", "/"};
    std::string item;
    const auto length = std::uniform_int_distribution<int>(0, 5)(random);
    for (int i = 0; i < length; ++i) {
        item += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
    }
    return item;
}

std::vector<StatisticOutput> RandomOutputs(std::mt19937& random, std::size_t statistics) {
    static const std::vector<std::string_view> names = {"number", "zodiac", "a,\"b\""};
    std::vector<StatisticOutput> outputs(statistics);
    for (StatisticOutput& output : outputs) {
        output.tool = "kova-cli";
        output.statistic = names[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
        if (random() % 2 == 0) {
            output.table_year = RandomItem(random);
        }
        output.options = {{"cumulative", random() % 2 == 0}, {"skip_brackets", random() % 2 == 0}};
        const auto items = std::uniform_int_distribution<int>(0, 12)(random);
        for (int i = 0; i < items; ++i) {
            output.counts.push_back(
                {RandomItem(random),
                 std::uniform_int_distribution<std::int64_t>(0, 1 << 20)(random)});
        }
    }
    return outputs;
}

ItemCounts CountsOf(const StatisticOutput& output) {
    ItemCounts counts;
    for (const ItemCount& count : output.counts) {
        counts.emplace_back(count.item, count.count);
    }
    return counts;
}

TEST(CountFormats, CsvReadsBackWholeWithTheStatisticColumnForSeveral) {
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        const std::vector<StatisticOutput> outputs = RandomOutputs(random, 1 + round % 3);
        const std::string csv = FormattedOutput(outputs, Format::kCsv, false);
        const auto rows = test::ReadCsv(csv);
        const bool several = outputs.size() > 1;
        ASSERT_FALSE(rows.empty());
        const std::vector<std::string> header =
            several ? std::vector<std::string>{"statistic", "item", "count"}
                    : std::vector<std::string>{"item", "count"};
        EXPECT_EQ(rows[0], header);
        std::size_t row = 1;
        for (const StatisticOutput& output : outputs) {
            for (const ItemCount& count : output.counts) {
                ASSERT_LT(row, rows.size());
                std::vector<std::string> expected{count.item, std::to_string(count.count)};
                if (several) {
                    expected.insert(expected.begin(), std::string(output.statistic));
                }
                EXPECT_EQ(rows[row++], expected) << csv;
            }
        }
        EXPECT_EQ(row, rows.size());
    }
}

TEST(CountFormats, JsonReadsBackWholeOnOneLineOrPretty) {
    std::mt19937 random(49);
    for (int round = 0; round < 300; ++round) {
        const std::vector<StatisticOutput> outputs = RandomOutputs(random, 1 + round % 3);
        const bool pretty = round % 2 == 1;
        const std::string json = FormattedOutput(outputs, Format::kJson, pretty);
        ASSERT_TRUE(json.ends_with("\n"));
        // Line breaks inside strings are escaped, so one line means one.
        EXPECT_EQ(json.find('\n') == json.size() - 1, !pretty) << json;
        const test::JsonValue document = test::ReadJson(json);
        std::vector<const test::JsonValue*> objects;
        if (outputs.size() == 1) {
            objects.push_back(&document);
        } else {
            ASSERT_EQ(document.kind, test::JsonValue::Kind::kArray);
            for (const test::JsonValue& element : document.elements) {
                objects.push_back(&element);
            }
        }
        ASSERT_EQ(objects.size(), outputs.size());
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            const test::JsonValue& object = *objects[i];
            EXPECT_EQ(
                object.MemberNames(),
                (std::vector<std::string>{"tool", "statistic", "table_year", "options", "counts"}));
            EXPECT_EQ(object["tool"].string, outputs[i].tool);
            EXPECT_EQ(object["statistic"].string, outputs[i].statistic);
            if (outputs[i].table_year) {
                EXPECT_EQ(object["table_year"].string, *outputs[i].table_year);
            } else {
                EXPECT_EQ(object["table_year"].kind, test::JsonValue::Kind::kNull);
            }
            EXPECT_EQ(object["options"]["cumulative"].boolean, outputs[i].options[0].second);
            EXPECT_EQ(object["options"]["skip_brackets"].boolean, outputs[i].options[1].second);
            EXPECT_EQ(test::CountsOfJson(object), CountsOf(outputs[i])) << json;
        }
    }
}

TEST(CountFormats, ReportsStandInTurnWithAnEmptyLineBetween) {
    std::vector<StatisticOutput> outputs(3);
    outputs[0].report = "a\r\nb\r\n";
    outputs[1].report = "1\r\n2";  // 全转半's text need not end in a line end
    outputs[2].report = "c\r\n";
    EXPECT_EQ(FormattedOutput(outputs, Format::kReport, false),
              "a\r\nb\r\n\r\n1\r\n2\r\n\r\nc\r\n");
    EXPECT_EQ(FormattedOutput(std::span(outputs).first(1), Format::kReport, false), "a\r\nb\r\n");
}

TEST(CountFormats, FieldsAreQuotedOnlyWhereNeeded) {
    EXPECT_EQ(CsvField("05"), "05");
    EXPECT_EQ(CsvField("合单"), "合单");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(JsonString("鼠\"\\\x1F"), "\"鼠\\\"\\\\\\u001f\"");
}

}  // namespace
}  // namespace cli
