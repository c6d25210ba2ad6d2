#include "app/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The bots' figures, the preview frames and the README's tables come from
// this sequence, so it must be glibc's on every platform. The pinned numbers
// hold it to glibc's where there is no glibc to ask (the Windows build under
// Wine); on glibc itself the two sequences are walked side by side.
TEST(Random, GivesGlibcsRandSequenceForEachSeed) {
    struct Case {
        unsigned seed;
        int first[4];
    };
    // 0 plays as 1; a seed of 2^31 or more is read as a negative word.
    for (const Case& sample : {Case{0, {1804289383, 846930886, 1681692777, 1714636915}},
                               Case{1, {1804289383, 846930886, 1681692777, 1714636915}},
                               Case{7, {1045618677, 1863967299, 1272579899, 461085871}},
                               Case{3000000000u, {2058147116, 854483408, 922419988, 286396165}},
                               Case{4294967295u, {254925627, 1205188300, 366127624, 1401405153}}}) {
        Random::seed(sample.seed);
        for (int expected : sample.first)
            EXPECT_EQ(Random::next(), expected) << "seed " << sample.seed;
#ifdef __GLIBC__
        Random::seed(sample.seed);
        std::srand(sample.seed);
        for (int i = 0; i < 5000; ++i)
            ASSERT_EQ(Random::next(), std::rand()) << "seed " << sample.seed << ", number " << i;
#endif
    }
}
