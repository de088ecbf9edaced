#include "worked_examples.h"

namespace chgu::test {

const std::vector<WorkedExample>& WorkedExamples() {
    static const std::vector<WorkedExample> examples = {
        // The digit before 期 is no number, 鼠 stands for its five numbers of
        // 2008 and 05 counts twice.
        {"number", "2008", true, "3期 鼠,05,05",
         "共00次:02,03,04,06,07,08,09,10,11,12,14,15,16,17,18,19,20,21,22,23,24,26,27,28,29,30,"
         "31,32,33,34,35,36,38,39,40,41,42,43,44,45,46,47,48,（43码）\r\n"
         "共01次:01,13,25,37,49,（5码）\r\n"
         "共02次:05,（1码）\r\n",
         WorkedExample::Input::kFile},
        {"number", "2008", true, "",
         "共00次:01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,"
         "27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,（49码）\r\n"},
        // Short lines: ten numbers a line, the count of the group on its last.
        {"number", "2008", false, "",
         "共00次:01,02,03,04,05,06,07,08,09,10,\r\n"
         "       11,12,13,14,15,16,17,18,19,20,\r\n"
         "       21,22,23,24,25,26,27,28,29,30,\r\n"
         "       31,32,33,34,35,36,37,38,39,40,\r\n"
         "       41,42,43,44,45,46,47,48,49,（49码）\r\n"},
        // Counts run from the coldest to the hottest.
        {"number", "2006", true, "01,01,02",
         "共00次:03,04,05,06,07,08,09,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,"
         "29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,（47码）\r\n"
         "共01次:02,（1码）\r\n"
         "共02次:01,（1码）\r\n"},
        // What stands in square brackets is not counted.
        {"zodiac", "2008", true, "鼠鼠牛【猪】",
         " 生肖统计结果：\r\n【共00次】：虎,兔,龙,蛇,马,羊,猴,鸡,狗,猪,\r\n【共01次】：牛,\r\n"
         "【共02次】：鼠,\r\n",
         WorkedExample::Input::kGbkFile},
    };
    return examples;
}

}  // namespace chgu::test
