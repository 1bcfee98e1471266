// Small preference files and what reading them must give; used by the
// in-memory tests and by the tests through real files.
#pragma once

#include "app/text.h"

#include <string>
#include <vector>

struct ReadingCase {
    const char* name;
    std::string bytes;
    const char16_t* group;  // nullptr: no group selected
    bool groupFound;
    const char16_t* key;
    const char16_t* text;   // nullptr: the key is absent
    int64_t integer;        // ReadInteger with the default kMissingInteger
};

inline const char16_t* const kMissingText = u"<missing>";
const int64_t kMissingInteger = -99;

inline std::vector<ReadingCase> ReadingCases() {
    return {
        {"latin1_u_umlaut", "[G]\r\nName=M\xFCller\r\n", u"G", true, u"Name", u"Müller", 0},
        {"utf8_bom_u_umlaut", "\xEF\xBB\xBF[G]\r\nName=M\xC3\xBCller\r\n", u"G", true, u"Name", u"Müller", 0},
        {"lf_only", "[G]\nA=1\nB=2\n", u"G", true, u"B", u"2", 2},
        {"cr_only", "[G]\rA=1\rB=2\r", u"G", true, u"B", u"2", 2},
        {"cr_lf", "[G]\r\nA=1\r\nB=2\r\n", u"G", true, u"B", u"2", 2},
        {"mixed_runs_of_line_ends", "\r\n\n\r[G]\n\r\n\rA=1\r\r\rB=2", u"G", true, u"B", u"2", 2},
        {"group_and_key_in_small_letters", "[menusettings]\r\nstartmode = 1\r\n", u"MenuSettings", true, u"StartMode", u"1", 1},
        {"blanks_inside_brackets", "[ MenuSettings ]\r\nStartMode=1\r\n", u"MenuSettings", false, u"StartMode", nullptr, kMissingInteger},
        {"blanks_and_tabs_around_line", "[G]\r\n \t StartMode=5 \t \r\n", u"G", true, u"StartMode", u"5", 5},
        {"blanks_around_equals", "[G]\r\nKey \t=\t value \r\n", u"G", true, u"Key", u"value", 0},
        {"leading_digits", "[G]\r\nK=12abc\r\n", u"G", true, u"K", u"12abc", 12},
        {"empty_value_is_zero", "[G]\r\nK=\r\n", u"G", true, u"K", u"", 0},
        {"missing_key_gives_default", "[G]\r\nOther=1\r\n", u"G", true, u"K", nullptr, kMissingInteger},
        {"second_equals_kept", "[G]\r\nK=a=b\r\n", u"G", true, u"K", u"a=b", 0},
        {"value_with_marks", "[G]\r\nK=-4;[x]\r\n", u"G", true, u"K", u"-4;[x]", -4},
        {"key_without_equals", "[G]\nLonely\nNext=7\n", u"G", true, u"Lonely", u"", 0},
        {"line_after_key_without_equals", "[G]\rLonely\rNext=7\r", u"G", true, u"Next", u"7", 7},
        {"two_bytes_no_bom_check", "\xEF\xBB", nullptr, true, u"\u00EF\u00BB", u"", 0},
        {"two_byte_group", "[G", u"G", true, u"K", nullptr, kMissingInteger},
        {"bom_alone", "\xEF\xBB\xBF", u"G", false, u"K", nullptr, kMissingInteger},
        {"hash_starts_a_key", "[G]\r\n#A=3\r\n", u"G", true, u"#A", u"3", 3},
        {"comment_does_not_count", "[G]\r\n; K=5\r\n;K=6\r\nK=7\r\n", u"G", true, u"K", u"7", 7},
        {"first_group_of_hand_edited_file",
         "; comment\r\n\r\n[First]\r\nA=1\r\n; A=5\r\n\r\n[Second]\r\nA=2\r\n", u"First", true, u"A", u"1", 1},
        {"second_group_of_hand_edited_file",
         "; comment\r\n\r\n[First]\r\nA=1\r\n; A=5\r\n\r\n[Second]\r\nA=2\r\n", u"second", true, u"a", u"2", 2},
        {"first_of_two_equal_groups", "[G]\r\nA=1\r\n[g]\r\nA=2\r\nB=3\r\n", u"G", true, u"B", nullptr, kMissingInteger},
        {"first_of_two_equal_keys", "[G]\r\nA=1\r\na=2\r\n", u"G", true, u"A", u"1", 1},
        {"text_after_bracket_ignored", "[G] trailing\r\nA=1\r\n", u"G", true, u"A", u"1", 1},
        {"group_without_bracket", "[G\r\nA=1\r\n", u"G", true, u"A", u"1", 1},
        {"keys_before_first_group_not_in_group", "A=1\r\n[G]\r\n", u"G", true, u"A", nullptr, kMissingInteger},
        {"umlaut_key_matches_exactly_only", "[G]\r\n\xC4=1\r\n", u"G", true, u"\u00E4", nullptr, kMissingInteger},
        {"above_32_bits_saturates", "[G]\r\nK=99999999999\r\n", u"G", true, u"K", u"99999999999", 2147483647},
        {"below_32_bits_saturates", "[G]\r\nK=-99999999999\r\n", u"G", true, u"K", u"-99999999999", -2147483647 - 1},
        {"plus_sign", "[G]\r\nK=+15\r\n", u"G", true, u"K", u"+15", 15},
    };
}
