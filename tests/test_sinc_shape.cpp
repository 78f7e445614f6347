// The sinc table against samples computed independently in Python
// (tests/data/make_sinc_table.py) and against the shape of sin(x)/x.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "sinc_shape.h"

namespace {

std::vector<float> expected_table()
{
    std::vector<float> samples;
    std::ifstream table(TEST_DATA_DIR "/sinc_table.txt");
    for (std::string line; std::getline(table, line);) {
        samples.push_back(std::strtof(line.c_str(), nullptr));
    }
    return samples;
}

TEST(SincShape, MatchesTheIndependentTableBitForBit)
{
    SincShapeTable table;
    fill_sinc_shape(table, 3);
    const auto expected = expected_table();
    ASSERT_EQ(expected.size(), 1024u);
    for (int k = 0; k < 1024; ++k) {
        EXPECT_EQ(table[k], expected[k]) << "entry " << k;
    }
}

TEST(SincShape, HasTheShapeOfSinXOverX)
{
    SincShapeTable table;
    fill_sinc_shape(table, 3);
    EXPECT_EQ(table[512], 1.0f);
    for (int j = 1; j < 512; ++j) {
        EXPECT_EQ(table[512 - j], table[512 + j]) << j;
        EXPECT_LT(table[512 + j], 1.0f) << j;
    }
    // The sine of -3 x 3.1415926 is not zero: entry 0 is small and positive.
    EXPECT_GT(table[0], 0.0f);
    EXPECT_LT(table[0], 1e-7f);
    std::vector<int> sign_changes;
    int most_negative = 0;
    for (int k = 0; k < 1024; ++k) {
        EXPECT_NE(table[k], 0.0f) << k;
        if (k > 0 && (table[k - 1] > 0) != (table[k] > 0)) {
            sign_changes.push_back(k - 1);
        }
        if (table[k] < table[most_negative]) {
            most_negative = k;
        }
    }
    EXPECT_EQ(sign_changes, (std::vector<int>{170, 341, 682, 853}));
    EXPECT_EQ(most_negative, 268);
    EXPECT_EQ(table[756], table[268]);
}

TEST(SincShape, ZeroCrossingsZeroIsFlat)
{
    SincShapeTable table;
    fill_sinc_shape(table, 0);
    for (float sample : table) {
        EXPECT_EQ(sample, 1.0f);
    }
}

}  // namespace
