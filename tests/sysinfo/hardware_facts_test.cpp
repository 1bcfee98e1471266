#include "sysinfo/hardware_facts.h"

#include "platform/registry.h"
#include "platform/wide.h"
#include "sysinfo/memory_figures.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace {

const Text kTestKey = u"Software\\OrvantoTest\\Facts";
const Text kTestParent = u"Software\\OrvantoTest";
const Text kEnvironmentKey = u"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
const uint64_t kGiB = uint64_t(1) << 30;

HKEY Root(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

bool KeyExists(HKEY root, const Text& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void SetValue(HKEY root, const Text& path, const Text& name, DWORD type, const void* data, size_t size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, Wide(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name.empty() ? nullptr : Wide(name), 0, type, static_cast<const BYTE*>(data), DWORD(size)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetText(HKEY root, const Text& path, const Text& name, const Text& text, DWORD type = REG_SZ) {
    SetValue(root, path, name, type, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

void SetQword(HKEY root, const Text& path, const Text& name, uint64_t value) {
    SetValue(root, path, name, REG_QWORD, &value, sizeof value);
}

void SetDword(HKEY root, const Text& path, const Text& name, DWORD value) {
    SetValue(root, path, name, REG_DWORD, &value, sizeof value);
}

void DeleteValue(HKEY root, const Text& path, const Text& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Wide(path), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, Wide(name));
    RegCloseKey(key);
}

// A value of a real key, put back as it was when the test ends, with the keys
// the test had to create removed again.
struct SavedValue {
    HKEY root;
    Text path;
    Text name;
    std::vector<Text> createdKeys;
    bool hadValue = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

SavedValue SaveValue(HKEY root, const Text& path, const Text& name) {
    SavedValue saved{root, path, name, {}, false, 0, {}};
    for (size_t slash = path.find(u'\\'); ; slash = path.find(u'\\', slash + 1)) {
        Text prefix = path.substr(0, slash);
        if (!KeyExists(root, prefix)) saved.createdKeys.insert(saved.createdKeys.begin(), prefix);
        if (slash == Text::npos) break;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Wide(path), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD size = 0;
        if (RegQueryValueExW(key, Wide(name), nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
            saved.data.resize(size);
            saved.hadValue = RegQueryValueExW(key, Wide(name), nullptr, &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
        }
        RegCloseKey(key);
    }
    return saved;
}

void RestoreValue(const SavedValue& saved) {
    if (saved.hadValue)
        SetValue(saved.root, saved.path, saved.name, saved.type, saved.data.data(), saved.data.size());
    else
        DeleteValue(saved.root, saved.path, saved.name);
    for (const Text& key : saved.createdKeys) RegDeleteKeyW(saved.root, Wide(key));
}

struct SysinfoRegistry : ::testing::Test {
    void TearDown() override {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteTreeW(root, Wide(kTestParent));
            RegDeleteKeyW(root, Wide(kTestParent));
        }
    }
};

TEST_F(SysinfoRegistry, MissingKeysAndValuesReadAsError) {
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        SetText(Root(root), kTestKey, u"Present", u"yes");
        EXPECT_EQ(ReadRegistryString(root, kTestKey + u"\\Missing", u"Present", kRegistryText), u"Error");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Missing", kRegistryText), u"Error");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Missing", kRegistryNumber), u"Error");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"", kRegistryText), u"Error");  // no default value
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Present", kRegistryText), u"yes");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Present", 7), u"");
        EXPECT_TRUE(RegistryKeyExists(root, kTestKey));
        EXPECT_FALSE(RegistryKeyExists(root, kTestKey + u"\\Missing"));
    }
}

TEST_F(SysinfoRegistry, TextsFitIn255BytesOnly) {
    const Text fits(126, u'a');
    const Text tooLong(127, u'b');
    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        SetText(Root(root), kTestKey, u"Fits", fits);
        SetText(Root(root), kTestKey, u"TooLong", tooLong);
        SetText(Root(root), kTestKey, u"", u"Standard \u00FC");
        SetText(Root(root), kTestKey, u"Expand", u"%SystemRoot%\\media\\x.wav", REG_EXPAND_SZ);
        SetText(Root(root), kTestKey, u"Empty", u"");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Fits", kRegistryText), fits);
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"TooLong", kRegistryText), u"Error");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"", kRegistryText), u"Standard \u00FC");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Expand", kRegistryText), u"%SystemRoot%\\media\\x.wav");
        EXPECT_EQ(ReadRegistryString(root, kTestKey, u"Empty", kRegistryText), u"");
    }
}

TEST_F(SysinfoRegistry, NumbersReadFromTheirBytesWhateverTheType) {
    HKEY root = HKEY_LOCAL_MACHINE;
    SetDword(root, kTestKey, u"~MHz", 2904);
    SetQword(root, kTestKey, u"Memory", 8 * kGiB);
    SetQword(root, kTestKey, u"Negative", uint64_t(-5));
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, kTestKey, u"~MHz", kRegistryNumber), u"2904");
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, kTestKey, u"Memory", kRegistryNumber), u"8589934592");
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, kTestKey, u"Negative", kRegistryNumber), u"-5");
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, kTestKey, u"~MHz", kRegistryText), u"\u0B58");
}

TEST_F(SysinfoRegistry, UserDwordPrefersTheCurrentUser) {
    const Text key = kTestKey + u"\\Dword";
    int64_t value = -1;
    EXPECT_FALSE(ReadUserDword(key, u"TaskbarAl", value));
    EXPECT_EQ(value, -1);
    SetDword(HKEY_LOCAL_MACHINE, key, u"TaskbarAl", 0);
    ASSERT_TRUE(ReadUserDword(key, u"TaskbarAl", value));
    EXPECT_EQ(value, 0);
    SetDword(HKEY_CURRENT_USER, key, u"TaskbarAl", 1);
    ASSERT_TRUE(ReadUserDword(key, u"TaskbarAl", value));
    EXPECT_EQ(value, 1);
    SetQword(HKEY_CURRENT_USER, key, u"Wide", 3);
    EXPECT_FALSE(ReadUserDword(key, u"Wide", value));
}

TEST_F(SysinfoRegistry, GraphicsMemoryComesFromTheFirstClassKeyThatHasIt) {
    const Text name = u"HardwareInformation.qwMemorySize";
    SavedValue first = SaveValue(HKEY_LOCAL_MACHINE, kGpuClassKey0000, name);
    SavedValue second = SaveValue(HKEY_LOCAL_MACHINE, kGpuClassKey0001, name);
    struct Case { const char* name; int64_t first, second, mebibytes; };  // -1: no value
    const Case cases[] = {
        {"8 GiB under 0000", int64_t(8 * kGiB), -1, 8192},
        {"4 GiB under 0001 only", -1, int64_t(4 * kGiB), 4096},
        {"zero under 0000 falls through", 0, int64_t(2 * kGiB), 2048},
        {"neither", -1, -1, 0},
        {"1.5 MiB", 3 << 19, -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto [path, bytes] : {std::pair{kGpuClassKey0000, c.first}, std::pair{kGpuClassKey0001, c.second}}) {
            if (bytes < 0) DeleteValue(HKEY_LOCAL_MACHINE, path, name);
            else SetQword(HKEY_LOCAL_MACHINE, path, name, uint64_t(bytes));
        }
        EXPECT_EQ(ReadGpuMemory(), c.mebibytes);
    }
    RestoreValue(second);
    RestoreValue(first);
    EXPECT_EQ(KeyExists(HKEY_LOCAL_MACHINE, kGpuClassKey0001), second.createdKeys.empty());
}

TEST_F(SysinfoRegistry, ProcessorValuesPreferTheEnvironment) {
    const Text name = u"ORVANTO_TEST_PROCESSOR";
    SavedValue saved = SaveValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, name);
    SetEnvironmentVariableW(Wide(name), nullptr);
    DeleteValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, name);
    EXPECT_EQ(ReadProcessorValue(name), u"Error");
    SetText(HKEY_LOCAL_MACHINE, kEnvironmentKey, name, u"");
    EXPECT_EQ(ReadProcessorValue(name), u"<Unbekannt>");
    SetText(HKEY_LOCAL_MACHINE, kEnvironmentKey, name, u"From registry");
    EXPECT_EQ(ReadProcessorValue(name), u"From registry");
    SetEnvironmentVariableW(Wide(name), L"");
    EXPECT_EQ(ReadProcessorValue(name), u"From registry");
    SetEnvironmentVariableW(Wide(name), L"AMD64");
    EXPECT_EQ(ReadProcessorValue(name), u"AMD64");
    SetEnvironmentVariableW(Wide(name), nullptr);
    RestoreValue(saved);

    wchar_t before[64] = {};
    DWORD had = GetEnvironmentVariableW(L"PROCESSOR_ARCHITECTURE", before, 64);
    SetEnvironmentVariableW(L"PROCESSOR_ARCHITECTURE", L"AMD64");
    EXPECT_EQ(ReadProcessorValue(u"PROCESSOR_ARCHITECTURE"), u"AMD64");
    SetEnvironmentVariableW(L"PROCESSOR_ARCHITECTURE", had ? before : nullptr);
}

TEST(SysinfoFacts, ReadersOfTheRunningComputerGiveDisplayableFacts) {
    Text computer = ReadComputerName();
    EXPECT_FALSE(computer.empty());
    EXPECT_LE(computer.size(), 15u);

    Text brand = ReadCpuName();
    EXPECT_FALSE(brand.empty());
    EXPECT_NE(brand[0], u' ');

    Text clock = ReadCpuClock();
    EXPECT_TRUE(clock == u"Error" || (!clock.empty() && clock.find_first_not_of(u"0123456789") == Text::npos))
        << TextToUtf8(clock);

    SYSTEM_INFO info;
    GetSystemInfo(&info);
    EXPECT_EQ(CountLogicalProcessors(), std::min<int64_t>(info.dwNumberOfProcessors, 64));

    EXPECT_FALSE(ReadGpuName().empty());

    int64_t total = ReadTotalMemory();
    EXPECT_GT(total, 0);
    EXPECT_GE(ReadFreeMemory(), 0);
    EXPECT_LE(ReadFreeMemory(), total);
    EXPECT_GE(ReadUsedMemory(), 0);
    EXPECT_LE(ReadUsedMemory(), total);
    EXPECT_GE(TotalGibibytes(total), FreeGibibytes(ReadFreeMemory()));
}

}  // namespace
