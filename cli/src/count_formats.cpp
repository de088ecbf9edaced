#include "cli/count_formats.h"

#include <cstdio>

namespace cli {

namespace {

std::string ReportsInTurn(std::span<const StatisticOutput> outputs) {
    std::string text;
    for (const StatisticOutput& output : outputs) {
        if (!text.empty()) {
            if (!text.ends_with("\n")) {
                text += "\r\n";
            }
            text += "\r\n";
        }
        text += output.report;
    }
    return text;
}

std::string Csv(std::span<const StatisticOutput> outputs) {
    const bool several = outputs.size() > 1;
    std::string text = several ? "statistic,item,count\n" : "item,count\n";
    for (const StatisticOutput& output : outputs) {
        for (const ItemCount& count : output.counts) {
            if (several) {
                text.append(CsvField(output.statistic)).append(",");
            }
            text.append(CsvField(count.item))
                .append(",")
                .append(std::to_string(count.count))
                .append("\n");
        }
    }
    return text;
}

// Writes JSON with the line breaks and indents of pretty printing, or none.
class JsonWriter {
  public:
    explicit JsonWriter(bool pretty) : pretty_(pretty) {}

    void Open(char bracket) {
        text_ += bracket;
        ++depth_;
        first_ = true;
    }
    void Close(char bracket) {
        --depth_;
        if (!first_) {
            Break();
        }
        text_ += bracket;
        first_ = false;
    }
    // Starts a member or an element.
    void Next() {
        if (!first_) {
            text_ += ',';
        }
        Break();
        first_ = false;
    }
    void Key(std::string_view key) {
        Next();
        text_.append(JsonString(key)).append(pretty_ ? ": " : ":");
    }
    void Raw(std::string_view value) { text_ += value; }
    // A small object on one line even when pretty: {"item": "05", "count": 2}.
    void ItemObject(const ItemCount& count) {
        Next();
        const std::string_view separator = pretty_ ? ": " : ":";
        text_.append("{\"item\"").append(separator).append(JsonString(count.item));
        text_.append(pretty_ ? ", " : ",").append("\"count\"").append(separator);
        text_.append(std::to_string(count.count)).append("}");
    }
    std::string Done() { return std::move(text_) + "\n"; }

  private:
    void Break() {
        if (pretty_) {
            text_ += '\n';
            text_.append(static_cast<std::size_t>(depth_) * 2, ' ');
        }
    }

    bool pretty_;
    int depth_ = 0;
    bool first_ = true;
    std::string text_;
};

void WriteObject(JsonWriter& json, const StatisticOutput& output) {
    json.Open('{');
    json.Key("tool");
    json.Raw(JsonString(output.tool));
    json.Key("statistic");
    json.Raw(JsonString(output.statistic));
    json.Key("table_year");
    json.Raw(output.table_year ? JsonString(*output.table_year) : "null");
    json.Key("options");
    json.Open('{');
    for (const auto& [name, value] : output.options) {
        json.Key(name);
        json.Raw(value ? "true" : "false");
    }
    json.Close('}');
    json.Key("counts");
    json.Open('[');
    for (const ItemCount& count : output.counts) {
        json.ItemObject(count);
    }
    json.Close(']');
    json.Close('}');
}

std::string Json(std::span<const StatisticOutput> outputs, bool pretty) {
    JsonWriter json(pretty);
    if (outputs.size() == 1) {
        WriteObject(json, outputs.front());
        return json.Done();
    }
    json.Open('[');
    for (const StatisticOutput& output : outputs) {
        json.Next();
        WriteObject(json, output);
    }
    json.Close(']');
    return json.Done();
}

}  // namespace

std::string FormattedOutput(std::span<const StatisticOutput> outputs, Format format, bool pretty) {
    switch (format) {
        case Format::kCsv:
            return Csv(outputs);
        case Format::kJson:
            return Json(outputs, pretty);
        case Format::kReport:
            break;
    }
    return ReportsInTurn(outputs);
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonString(std::string_view text) {
    std::string literal = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                literal += "\\\"";
                break;
            case '\\':
                literal += "\\\\";
                break;
            case '\n':
                literal += "\\n";
                break;
            case '\r':
                literal += "\\r";
                break;
            case '\t':
                literal += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                    literal += escape;
                } else {
                    literal += c;
                }
        }
    }
    return literal + "\"";
}

}  // namespace cli
