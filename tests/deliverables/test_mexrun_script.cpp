// The mexrun script lines: what each becomes, and the lines refused.
#include <gtest/gtest.h>

#include <cmath>

#include "mexrun_script.h"

namespace {

using mexhost::ScriptArgument;
using mexhost::parse_script_line;

TEST(MexrunScript, ReadsCallsInCommandSyntax)
{
    const auto line = parse_script_line(
        "  [2] ExciteAcquire 1024 -21.3 +5e-3 'it''s % no comment' [] Inf -inf NaN  % comment");
    ASSERT_EQ(line.error, "");
    EXPECT_FALSE(line.blank);
    EXPECT_EQ(line.source, "[2] ExciteAcquire 1024 -21.3 +5e-3 'it''s % no comment' [] Inf -inf NaN");
    EXPECT_EQ(line.call.nlhs, 2);
    EXPECT_EQ(line.call.command, "ExciteAcquire");
    const auto &a = line.call.arguments;
    ASSERT_EQ(a.size(), 8u);
    EXPECT_EQ(a[0].number, 1024.0);
    EXPECT_EQ(a[1].number, -21.3);
    EXPECT_EQ(a[2].number, 0.005);
    EXPECT_EQ(a[3].kind, ScriptArgument::TEXT);
    EXPECT_EQ(a[3].text, "it's % no comment");
    EXPECT_EQ(a[4].kind, ScriptArgument::EMPTY);
    EXPECT_EQ(a[5].number, INFINITY);
    EXPECT_EQ(a[6].number, -INFINITY);
    EXPECT_TRUE(std::isnan(a[7].number));
}

TEST(MexrunScript, TakesNoOutputsAndNoArgumentsByDefault)
{
    const auto line = parse_script_line("HaltBoard");
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.call.nlhs, 0);
    EXPECT_EQ(line.call.command, "HaltBoard");
    EXPECT_TRUE(line.call.arguments.empty());
    EXPECT_EQ(parse_script_line("ExciteAcquire ''").call.arguments.at(0).text, "");
}

TEST(MexrunScript, SkipsBlankAndCommentLines)
{
    for (const char *text : {"", "   \t", "% a comment", "  % indented\r"}) {
        EXPECT_TRUE(parse_script_line(text).blank) << text;
    }
}

TEST(MexrunScript, RefusesWhatIsNoCall)
{
    for (const char *text : {"[x] BoardState", "[-1] BoardState", "[2 BoardState", "[2]",
                             "2 BoardState", "'hard'", "DriverTrace 1x", "DriverTrace 'open",
                             "DriverTrace 0x10", "ExciteAcquire'hard'", "DriverTrace(1)"}) {
        EXPECT_NE(parse_script_line(text).error, "") << text;
    }
}

}  // namespace
