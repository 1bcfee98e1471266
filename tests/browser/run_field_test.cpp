#include "browser/run_field.h"

#include <gtest/gtest.h>

TEST(RunFieldTest, PlaceholderAndCommand) {
    EXPECT_EQ(Text(RunFieldPlaceholder), Text(u"<Bitte Dateinamen eingeben!>"));
    struct Case {
        const char16_t* text;
        bool placeholder;
        bool command;
    } cases[] = {
        {u"<Bitte Dateinamen eingeben!>", true, false},
        {u"", false, false},
        {u"notepad", false, true},
        {u" ", false, true},
        {u"<Bitte Dateinamen eingeben!> ", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShowsPlaceholder(c.text), c.placeholder) << TextToUtf8(c.text);
        EXPECT_EQ(HoldsCommand(c.text), c.command) << TextToUtf8(c.text);
    }
}

TEST(RunFieldTest, SplitsAtTheFirstBlank) {
    struct Case {
        const char16_t* text;
        const char16_t* program;
        const char16_t* parameters;
    } cases[] = {
        {u"notepad c:\\x.txt", u"notepad", u" c:\\x.txt"},
        {u"notepad", u"notepad", u""},
        {u" notepad", u"", u" notepad"},
        {u"\"C:\\Program Files\\a.exe\" -x", u"\"C:\\Program", u" Files\\a.exe\" -x"},
        {u"%windir%\\notepad.exe  two", u"%windir%\\notepad.exe", u"  two"},
        {u"cmd ", u"cmd", u" "},
    };
    for (const Case& c : cases) {
        TypedCommand command = SplitTypedCommand(c.text);
        EXPECT_EQ(command.program, Text(c.program)) << TextToUtf8(c.text);
        EXPECT_EQ(command.parameters, Text(c.parameters)) << TextToUtf8(c.text);
    }
}

TEST(RunFieldTest, SearchPrefix) {
    struct Case {
        const char16_t* name;
        const char16_t* typed;
        bool match;
    } cases[] = {
        {u"notepad.exe", u"n", true},         {u"Notepad.exe", u"n", true},
        {u"netsh.exe", u"no", false},         {u"notepad.exe", u"NOTEPAD.EXE", true},
        {u"notepad.exe", u"notepad.exe.bak", false}, {u"ÜBER.exe", u"über", true},
        {u"cmd.exe", u"md", false},           {u"a.exe", u"", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesSearchPrefix(c.name, c.typed), c.match) << TextToUtf8(c.name) << " " << TextToUtf8(c.typed);
    }
}

TEST(RunFieldTest, SearchFolder) {
    EXPECT_EQ(SearchFolder(u"C:\\Windows"), Text(u"C:\\Windows\\System32\\"));
    EXPECT_EQ(SearchFolder(u"C:\\Windows\\"), Text(u"C:\\Windows\\System32\\"));
    EXPECT_EQ(SearchFolder(u""), Text(u"\\System32\\"));
}
