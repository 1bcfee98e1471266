#include "browser/shortcut_scan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace std::string_literals;

namespace {

// A fake file system: a set of files and a set of folders; every test is recorded.
struct FakeDisk {
    std::set<Text> files, folders;
    mutable std::vector<Text> tested;
    PathTest FileOrFolder() const {
        return [this](const Text& p) { tested.push_back(p); return files.count(p) > 0 || folders.count(p) > 0; };
    }
    PathTest FileOnly() const {
        return [this](const Text& p) { tested.push_back(p); return files.count(p) > 0; };
    }
};

// Code page 1252 as far as the fixtures need it.
Text Cp1252(std::string_view bytes) { return Latin1ToText(bytes); }

Text FakeExpand(const Text& text) {
    Text out = text;
    const Text name = u"%ProgramFiles%";
    if (StartsWith(out, name)) out = u"C:\\Program Files" + out.substr(name.size());
    return out;
}

std::string Utf16Bytes(const Text& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(char(c & 0xFF));
        out.push_back(char(c >> 8));
    }
    return out;
}

}  // namespace

TEST(ShortcutScanTest, PassesOverTheBareDriveText) {
    FakeDisk disk;
    disk.files = {u"C:\\Program Files\\App\\app.exe"};
    disk.folders = {u"C:\\"};
    std::string file = "L\0\0\0junk C:\\\0\0more\0C:\\Program Files\\App\\app.exe\0tail"s;
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text(u"C:\\Program Files\\App\\app.exe"));
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text(u"C:\\Program Files\\App\\app.exe"));
    for (const Text& p : disk.tested) EXPECT_NE(p, Text(u"C:\\"));
}

TEST(ShortcutScanTest, DriveTextsRunningIntoAPathAreSkipped) {
    FakeDisk disk;
    disk.files = {u"C:\\Real\\app.exe"};
    std::string file = "xC:\\C:\\Real\\app.exe\0"s;
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text(u"C:\\Real\\app.exe"));
    EXPECT_EQ(disk.tested, (std::vector<Text>{u"C:\\Real\\app.exe"}));
}

TEST(ShortcutScanTest, FolderTargetsOnlyForTheTargetReader) {
    FakeDisk disk;
    disk.folders = {u"C:\\Users\\e\\Downloads"};
    std::string file = "xx\0C:\\Users\\e\\Downloads\0yy"s;
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text(u"C:\\Users\\e\\Downloads"));
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text());
}

TEST(ShortcutScanTest, AnsiUmlautsOnlyForTheTargetReader) {
    FakeDisk disk;
    disk.files = {u"C:\\Bücher\\a.txt"};
    std::string file = "\0C:\\B\xFC" "cher\\a.txt\0"s;
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text(u"C:\\Bücher\\a.txt"));
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text());
}

TEST(ShortcutScanTest, Utf8PathsForTheIconSource) {
    FakeDisk disk;
    disk.files = {u"D:\\ööö\\ä.txt"};
    std::string file = "\0D:\\\xC3\xB6\xC3\xB6\xC3\xB6\\\xC3\xA4.txt\0"s;
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text(u"D:\\ööö\\ä.txt"));
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text());
}

TEST(ShortcutScanTest, EnvironmentTextsAtEvenAndOddOffsets) {
    FakeDisk disk;
    disk.files = {u"C:\\Program Files\\App\\app.exe"};
    for (std::string lead : {"ab"s, "abc"s}) {
        std::string file = lead + Utf16Bytes(u"%ProgramFiles%\\App\\app.exe") + "\0\0zz"s;
        EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text(u"C:\\Program Files\\App\\app.exe"))
            << lead.size();
        EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text());
    }
}

TEST(ShortcutScanTest, DrivePathsComeBeforeEnvironmentTexts) {
    FakeDisk disk;
    disk.files = {u"C:\\Program Files\\App\\app.exe", u"C:\\Other\\b.exe"};
    std::string file = Utf16Bytes(u"%ProgramFiles%\\App\\app.exe") + "\0\0"s + "C:\\Other\\b.exe\0"s;
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), FakeExpand), Text(u"C:\\Other\\b.exe"));
}

TEST(ShortcutScanTest, EnvironmentTextRunningIntoTheNextStringDoesNotMatch) {
    FakeDisk disk;
    disk.files = {u"C:\\Windows\\system32\\notepad.exe"};
    // Length-prefixed strings without an end mark: the text runs on.
    std::string file = Utf16Bytes(u"%windir%\\system32\\notepad.exe") + "B\0..\\x"s + "\0\0"s;
    auto expand = [](const Text& t) { return u"C:\\Windows" + t.substr(8); };
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), expand), Text());
}

TEST(ShortcutScanTest, ShortAndEdgeBuffers) {
    FakeDisk disk;
    disk.files = {u"C:\\a"};
    disk.folders = {u"C:\\"};
    struct Case {
        std::string bytes;
        const char16_t* target;
    } cases[] = {
        {"", u""},
        {"C:\\a"s, u""},          // 4 bytes: too short for any match
        {"\0C:\\a"s, u""},         // 5 bytes: the last offset examined is 1
        {"C:\\a\0"s, u"C:\\a"},  // match at offset 1, the last one examined is 1
        {"xxC:\\"s, u""},         // ':' at size - 3 is past the last offset
        {":\\abc"s, u""},         // no drive letter before offset 1
        {"C:\\"s, u""},
        {"x\0:\\abcdef"s, u""},  // the drive letter is a zero byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScanShortcutTarget(c.bytes, Cp1252, disk.FileOrFolder()), Text(c.target)) << c.bytes.size();
    }
}

TEST(ShortcutScanTest, TextEndsAtTheBufferEnd) {
    FakeDisk disk;
    disk.files = {u"C:\\abc", u"C:\\ab"};
    std::string file = "\0\0C:\\ab"s;  // no zero after the path: the padding ends it
    EXPECT_EQ(ScanShortcutTarget(file, Cp1252, disk.FileOrFolder()), Text(u"C:\\ab"));
    std::string odd = "x"s;
    odd += Utf16Bytes(u"%X%");
    odd += "Y";  // the last unit has only its low byte in the file
    Text seen;
    ScanIconSource(odd, disk.FileOnly(), [&](const Text& t) { seen = t; return t; });
    EXPECT_EQ(seen, Text(u"%X%Y"));
}

TEST(ShortcutScanTest, ManyDrivePathsStayLinearAndTestEachTextOnce) {
    FakeDisk disk;
    std::string file;
    for (int i = 0; i < 200000; ++i) file += "C:\\";  // 600 kB without a zero byte
    file += "C:\\x\0"s;
    for (int i = 0; i < 200000; ++i) file += "%\0"s;  // 400 kB of %-texts without an end
    size_t calls = 0;
    auto decode = [&](std::string_view b) { ++calls; return Cp1252(b); };
    EXPECT_EQ(ScanShortcutTarget(file, decode, disk.FileOrFolder()), Text());
    EXPECT_LT(calls, 1000u);  // texts too long to be a path are not decoded
    size_t expansions = 0;
    EXPECT_EQ(ScanIconSource(file, disk.FileOnly(), [&](const Text& t) { ++expansions; return t; }), Text());
    EXPECT_LT(expansions, 5000u);

    FakeDisk repeated;
    std::string same;
    for (int i = 0; i < 50000; ++i) same += "C:\\same\0"s;
    EXPECT_EQ(ScanShortcutTarget(same, Cp1252, repeated.FileOrFolder()), Text());
    EXPECT_EQ(repeated.tested, (std::vector<Text>{u"C:\\same"}));
}

TEST(ShortcutScanTest, IsShortcutPath) {
    EXPECT_TRUE(IsShortcutPath(u"C:\\a\\Word.lnk"));
    EXPECT_TRUE(IsShortcutPath(u"C:\\a\\Word.LNK"));
    EXPECT_FALSE(IsShortcutPath(u"C:\\a\\site.url"));
    EXPECT_FALSE(IsShortcutPath(u"C:\\a.lnk\\file"));
    EXPECT_FALSE(IsShortcutPath(u""));
}

namespace {

// The scan written out plainly over a copy with 4 zero bytes appended, to
// compare the fast one with.
Text PlainScan(std::string_view content, bool utf8, const PathTest& exists, const EnvironmentExpander& expand) {
    std::string buffer(content);
    buffer.append(4, '\0');
    size_t size = content.size();
    for (size_t i = 1; size >= 5 && i <= size - 4; ++i) {
        if (buffer[i] != ':' || buffer[i + 1] != '\\') continue;
        std::string_view text(buffer.c_str() + i - 1);
        Text candidate = utf8 ? Utf8ToText(text) : Latin1ToText(text);
        if (candidate.size() > 3 && exists(candidate)) return candidate;
    }
    if (!expand || size < 4) return Text();
    for (size_t j = 0; j <= size - 4; ++j) {
        if (buffer[j] != '%') continue;
        Text raw;
        for (size_t k = j;; k += 2) {
            char16_t unit = char16_t(static_cast<unsigned char>(buffer[k]) | (static_cast<unsigned char>(buffer[k + 1]) << 8));
            if (unit == 0) break;
            raw.push_back(unit);
        }
        Text candidate = expand(raw);
        if (candidate.size() > 3 && exists(candidate)) return candidate;
    }
    return Text();
}

}  // namespace

TEST(ShortcutScanTest, AgreesWithThePlainScanOnRandomBuffers) {
    // A path "exists" when it is short, has no second colon, and its hash says so.
    PathTest exists = [](const Text& p) {
        if (p.size() >= 260 || p.find(u':', 2) != Text::npos) return false;
        return std::hash<Text>{}(p) % 5 == 0;
    };
    EnvironmentExpander expand = [](const Text& t) { return t.size() > 1 ? u"C:\\" + t.substr(1) : t; };
    const char alphabet[] = {'C', ':', '\\', '%', '\0', 'a', '\xC3', '\xB6', 'x', '\xFC'};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string buffer(next() % 300, '\0');
        for (char& b : buffer) b = alphabet[next() % sizeof alphabet];
        Text plainTarget = PlainScan(buffer, false, exists, nullptr);
        EXPECT_EQ(ScanShortcutTarget(buffer, Cp1252, exists), plainTarget) << round;
        Text plainIcon = PlainScan(buffer, true, exists, expand);
        EXPECT_EQ(ScanIconSource(buffer, exists, expand), plainIcon) << round;
        found += !plainTarget.empty() + !plainIcon.empty();
    }
    EXPECT_GT(found, 300);  // the buffers do hold paths that exist
}
