#include "tip_text.h"

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace bench {

namespace {

constexpr std::array<std::string_view, 60> kWords = {
    "鼠",   "牛",   "虎",   "兔",   "龙",     "蛇",   "马",   "羊",     "猴",         "鸡",
    "狗",   "猪",   "金",   "木",   "水",     "火",   "土",   "红",     "绿",         "蓝",
    "兰",   "大",   "小",   "单",   "双",     "合单", "合双", "合大",   "合小",       "红单",
    "蓝双", "0头",  "3头",  "4头",  "1尾",    "9尾",  "1合",  "10合",   "11合",       "13合",
    "一段", "七段", "九：", "号：", "期",     "码",   "次",   "共01次", "（共00码）", "2006年",
    "【",   "】",   "〖",   "〗",   "合数单", "０５", "３次", "大单",   "小双",       "5号"};

constexpr std::array<std::string_view, 8> kSeparators = {",",    " ",  "、", ".",
                                                         "\r\n", "\n", "，", "  "};

}  // namespace

std::string GenerateTipText(std::size_t bytes, unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        switch (random() % 4) {
            case 0:
            case 1: {  // a number, one to three digits, now and then with a count marker
                const auto digits = 1 + random() % 3 / 2 + (random() % 16 == 0 ? 1 : 0);
                for (std::uint_fast32_t i = 0; i < digits; ++i)
                    text.push_back(static_cast<char>('0' + random() % 10));
                if (random() % 8 == 0) text += "次";
                break;
            }
            default:
                text += kWords[random() % kWords.size()];
                break;
        }
        text += kSeparators[random() % kSeparators.size()];
    }
    return text;
}

}  // namespace bench
