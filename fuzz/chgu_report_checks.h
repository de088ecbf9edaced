// Reads program B's reports back and checks what every report promises:
// each number or class name exactly once, counts rising from line to line,
// every line in its form and ended by CR LF.
#pragma once

#include <span>
#include <string_view>

namespace fuzz {

// The number report of "码统计": "共kk次:" then "nn," items then "（n码）",
// continuation lines indented by seven spaces; n is the line's item count
// and the n add up to 49.
bool IsWellFormedNumberReport(std::u16string_view report);

// An attribute report: the heading line, then "【共kk次】：" and "name,"
// items; every class name appears exactly once.
bool IsWellFormedAttributeReport(std::u16string_view report, std::u16string_view heading,
                                 std::span<const std::u16string_view> names);

}  // namespace fuzz
