#include "kova/statistics.h"

namespace kova {

std::string ReportText(const ReportLines& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

}  // namespace kova
