#include "app/environment_text.h"

#include <gtest/gtest.h>

#include <map>

namespace {

Text Lookup(const Text& name) {
    static const std::map<Text, Text> vars = {
        {u"systemroot", u"C:\\Windows"}, {u"empty", u""},         {u"percent", u"%systemroot%"},
        {u"self", u"x%self%"},           {u"a", u"1"},             {u"b", u"%a%2"},
        {u"spaced", u"  v  "},
    };
    Text lower = AsciiLowerText(name);
    auto it = vars.find(lower);
    return it == vars.end() ? Text() : it->second;
}

struct Case {
    const char16_t* input;
    const char16_t* expected;
};

class ExpandEnvironmentTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExpandEnvironmentTextTest, Expands) {
    EXPECT_EQ(ExpandEnvironmentText(GetParam().input, Lookup), Text(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandEnvironmentTextTest,
    ::testing::Values(Case{u"%SystemRoot%\\Media\\x.wav", u"C:\\Windows\\Media\\x.wav"},
                      Case{u"%SYSTEMROOT% and %systemroot%", u"C:\\Windows and C:\\Windows"},
                      Case{u"\"%SystemRoot%\"", u"\"C:\\Windows\""},
                      Case{u"%undefined%abc", u"abc"},
                      Case{u"50% done", u"50% done"},
                      Case{u"  padded  ", u"padded"},
                      // "%%" stops everything, later references stay.
                      Case{u"%%a%", u"%%a%"},
                      Case{u"x%%%a%", u"x%%%a%"},
                      // A value that brings a reference in is expanded again.
                      Case{u"%percent%\\x", u"C:\\Windows\\x"},
                      Case{u"%b%", u"12"},
                      Case{u"%spaced%", u"v"},
                      Case{u"", u""}));

TEST(ExpandEnvironmentTextCap, SelfReferenceStopsAfterTheCap) {
    Text result = ExpandEnvironmentText(u"%self%", Lookup);
    // Each replacement adds one "x" in front of the reference that stays.
    EXPECT_EQ(result, Text(kMaxEnvironmentReplacements, u'x') + u"%self%");
}

}  // namespace
