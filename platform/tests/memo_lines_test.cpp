#include "platform/memo_lines.h"

#include <gtest/gtest.h>

#include "platform/control_table.h"
#include "platform/memory_form.h"

namespace {

using platform::ControlKind;
using platform::MemoLines;

class MemoLinesTest : public ::testing::Test {
  protected:
    static platform::FormLayout OneBox() {
        platform::FormLayout form;
        form.controls.push_back(platform::Row("Memo", ControlKind::kMultiLineBox, u"", {}, 1));
        return form;
    }

    platform::MemoryForm form_{OneBox()};
    platform::Control& box_ = form_.Find("Memo");
    MemoLines lines_{box_};
};

TEST_F(MemoLinesTest, FinalEmptyLineIsNotCounted) {
    EXPECT_EQ(lines_.Count(), 0u);
    box_.SetText(u"鼠");
    EXPECT_EQ(lines_.Count(), 1u);
    box_.SetText(u"鼠\r\n");
    EXPECT_EQ(lines_.Count(), 1u);
    box_.SetText(u"鼠\r\n\r\n牛");
    EXPECT_EQ(lines_.Count(), 3u);
    EXPECT_EQ(lines_[1], u"");
    EXPECT_EQ(lines_[2], u"牛");
    box_.SetText(u"\r\n");
    EXPECT_EQ(lines_.Count(), 1u);
    EXPECT_EQ(lines_[0], u"");
}

TEST_F(MemoLinesTest, AddedLineEndsInLineBreakUnlessTextDidNot) {
    lines_.Add(u"鼠");
    EXPECT_EQ(box_.Text(), u"鼠\r\n");
    lines_.Add(u"牛");
    EXPECT_EQ(box_.Text(), u"鼠\r\n牛\r\n");

    box_.SetText(u"typed by hand");
    lines_.Add(u"马");
    EXPECT_EQ(box_.Text(), u"typed by hand\r\n马");
    EXPECT_EQ(lines_.Count(), 2u);
}

TEST_F(MemoLinesTest, ReplacedLineKeepsItsLineBreakAndItsNeighbours) {
    box_.SetText(u"a\r\n鼠\r\nc\r\n");
    lines_.Put(1, u"鼠,牛");
    EXPECT_EQ(box_.Text(), u"a\r\n鼠,牛\r\nc\r\n");
    lines_.Put(2, u"");
    EXPECT_EQ(box_.Text(), u"a\r\n鼠,牛\r\n\r\n");
    EXPECT_EQ(lines_.Count(), 3u);
    lines_.Clear();
    EXPECT_EQ(box_.Text(), u"");
}

TEST_F(MemoLinesTest, LoneLineFeedDoesNotBreakALine) {
    box_.SetText(u"a\nb\rc");
    EXPECT_EQ(lines_.Count(), 1u);
    EXPECT_EQ(lines_[0], u"a\nb\rc");
}

}  // namespace
