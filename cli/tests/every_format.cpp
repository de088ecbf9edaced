#include "every_format.h"

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "run_program.h"
#include "temp_folder.h"

namespace cli::test {

ItemCounts CountsOfCsv(const std::string& csv) {
    const auto rows = ReadCsv(csv);
    EXPECT_EQ(rows.at(0), (std::vector<std::string>{"item", "count"}));
    ItemCounts counts;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].size(), 2u);
        counts.emplace_back(rows[i].at(0), std::stoll(rows[i].at(1)));
    }
    return counts;
}

void ExpectInEveryFormat(const std::string& program, const std::string& tool,
                         const WorkedExample& example, const std::vector<std::string>& items,
                         const std::vector<std::pair<std::string, bool>>& options) {
    const std::string& statistic = example.arguments.at(0);
    SCOPED_TRACE(tool + " " + statistic + " on '" + example.text + "'" +
                 (example.through_file ? " in a file" : "") + (example.gbk ? " in gbk" : ""));
    const std::string text = example.gbk ? platform::Utf8ToGbk(example.text) : example.text;
    const platform::test::TempFolder folder;
    const std::string file =
        example.through_file ? folder.Write("tips.txt", text).string() : std::string();
    const auto run = [&](const std::vector<std::string>& format) {
        std::vector<std::string> arguments = example.arguments;
        if (example.gbk) {
            arguments.insert(arguments.end(), {"--encoding", "gbk"});
        }
        arguments.insert(arguments.end(), format.begin(), format.end());
        if (example.through_file) {
            arguments.push_back(file);
        }
        const platform::test::ProgramRun done = platform::test::RunProgram(
            program, arguments, example.through_file ? std::string() : text);
        EXPECT_EQ(done.status, 0) << done.err;
        EXPECT_EQ(done.err, "");
        return done.out;
    };
    // csv and json are UTF-8 whatever the report's encoding.
    const std::string report = example.gbk ? platform::Utf8ToGbk(example.report) : example.report;
    EXPECT_EQ(run({}), report);
    EXPECT_EQ(run({"--format", "report"}), report);

    const auto stated = ReadReportText(example.report);
    ItemCounts expected;
    for (const std::string& item : items) {
        ASSERT_TRUE(stated.contains(item)) << item;
        expected.emplace_back(item, stated.at(item));
    }
    EXPECT_EQ(stated.size(), expected.size());

    EXPECT_EQ(CountsOfCsv(run({"--format", "csv"})), expected);
    for (const bool pretty : {false, true}) {
        const JsonValue json =
            ReadJson(run(pretty ? std::vector<std::string>{"--format", "json", "--pretty"}
                                : std::vector<std::string>{"--format=json"}));
        EXPECT_EQ(json["tool"].string, tool);
        EXPECT_EQ(json["statistic"].string, statistic);
        if (example.table_year) {
            EXPECT_EQ(json["table_year"].string, *example.table_year);
        } else {
            EXPECT_EQ(json["table_year"].kind, JsonValue::Kind::kNull);
        }
        std::vector<std::pair<std::string, bool>> given;
        for (const auto& [name, value] : json["options"].members) {
            given.emplace_back(name, value.boolean);
        }
        EXPECT_EQ(given, options);
        EXPECT_EQ(CountsOfJson(json), expected);
    }
}

}  // namespace cli::test
