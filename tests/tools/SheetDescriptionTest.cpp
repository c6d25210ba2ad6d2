#include "glpack/SheetDescription.h"

#include <gtest/gtest.h>

namespace {

SheetDescription parsed(const std::string& text, int width = 64, int height = 32) {
    SheetDescription description;
    std::string error;
    EXPECT_TRUE(description.parse(text, width, height, error)) << error;
    return description;
}

std::string refusal(const std::string& text, int width = 64, int height = 32) {
    SheetDescription description;
    std::string error;
    EXPECT_FALSE(description.parse(text, width, height, error)) << text;
    return error;
}

} // namespace

TEST(SheetDescription, CutsGridsAndFramesInOrderAndExpandsRanges) {
    const SheetDescription d = parsed("# a comment\n"
                                      "grid 16 16 6   # wraps at the image's edge\n"
                                      "frame 1 2 3 4\n"
                                      "animation 0 rate 2.5 frames 0-3 6\n"
                                      "animation 1 rate 10 frames 5 4\n");
    ASSERT_EQ(d.frames.size(), 7u);
    EXPECT_EQ(d.frames[3].x, 48);
    EXPECT_EQ(d.frames[4].x, 0);
    EXPECT_EQ(d.frames[4].y, 16);
    EXPECT_EQ(d.frames[6].x, 1);
    EXPECT_EQ(d.frames[6].height, 4);
    ASSERT_EQ(d.animations.size(), 2u);
    EXPECT_FLOAT_EQ(d.animations[0].rate, 2.5f);
    EXPECT_EQ(d.animations[0].frames, (std::vector<int>{0, 1, 2, 3, 6}));
    EXPECT_EQ(d.animations[1].frames, (std::vector<int>{5, 4}));
}

TEST(SheetDescription, WritesTextThatReadsBackTheSame) {
    const SheetDescription grid = parsed("grid 16 16 6 0 0\nanimation 0 rate 0.1 frames 5 0 1 2\n");
    const std::string text = grid.format(64);
    EXPECT_NE(text.find("grid 16 16 6\n"), std::string::npos) << text;
    EXPECT_NE(text.find("frames 5 0-2\n"), std::string::npos) << text;
    const SheetDescription again = parsed(text);
    EXPECT_EQ(again.animations[0].rate, grid.animations[0].rate) << "rates survive exactly";
    EXPECT_EQ(again.format(64), text);

    const SheetDescription loose =
        parsed("frame 5 5 3 3\nframe 0 0 8 8\nanimation 0 rate 3 frames 1 0\n");
    const std::string looseText = loose.format(64);
    EXPECT_NE(looseText.find("frame 5 5 3 3\nframe 0 0 8 8\n"), std::string::npos) << looseText;
    EXPECT_EQ(parsed(looseText).format(64), looseText);
}

TEST(SheetDescription, RefusesWhatTheGameCouldNotLoadWithTheLineAtFault) {
    EXPECT_EQ(refusal("frame 0 0 8 8\nbogus 1\n"),
              "line 2: \"bogus\" is not frame, grid or animation");
    EXPECT_NE(refusal("frame 0 0 8\n").find("line 1: write a frame as"), std::string::npos);
    EXPECT_NE(
        refusal("frame 60 0 8 8\nanimation 0 rate 1 frames 0\n").find("leaves the 64 x 32 image"),
        std::string::npos);
    EXPECT_NE(refusal("frame 0 0 0 8\nanimation 0 rate 1 frames 0\n").find("has no pixels"),
              std::string::npos);
    EXPECT_NE(
        refusal("frame 0 0 8 8\nanimation 1 rate 1 frames 0\n").find("where animation 0 belongs"),
        std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\nanimation 0 rate 1 frames 1\n").find("there are 1 frames"),
              std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\nanimation 0 rate 0 frames 0\n").find("above 0"),
              std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\nanimation 0 rate nan frames 0\n").find("above 0"),
              std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\nanimation 0 rate 1 frames 3-1\n").find("range"),
              std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\nanimation 0 rate 1 frames -1\n").find("range"),
              std::string::npos);
    EXPECT_NE(refusal("frame 0 0 8 8\n").find("no animations"), std::string::npos);
    EXPECT_NE(refusal("grid 100 8 1\n").find("do not fit"), std::string::npos);
    EXPECT_NE(refusal("frame 0 0 70000 8\n").find("write a frame"), std::string::npos);
}
