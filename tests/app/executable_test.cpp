// The shipped executable, read back as data: its embedded manifest and version.
#include "platform/files.h"
#include "platform/wide.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string ManifestOf(const Text& exe) {
    HMODULE module = LoadLibraryExW(Wide(exe), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return {};
    std::string manifest;
    if (HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        HGLOBAL data = LoadResource(module, resource);
        manifest.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, resource));
    }
    FreeLibrary(module);
    return manifest;
}

TEST(Executable, ManifestAsksForCommonControls6AndSystemDpiAwareness) {
    Text exe = ExecutableFolder() + u"Orvanto.exe";
    ASSERT_TRUE(FileExists(exe)) << "Orvanto.exe is built beside the tests";
    std::string manifest = ManifestOf(exe);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAwareness>system</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string::npos);
    // Windows 10 and 11 share one supportedOS id.
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
}

TEST(Executable, CarriesVersionInformation) {
    Text exe = ExecutableFolder() + u"Orvanto.exe";
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(Wide(exe), &ignored);
    ASSERT_GT(size, 0u);
    std::string data(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(Wide(exe), 0, size, data.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040704B0\\ProductName", &value, &length));
    EXPECT_EQ(FromWide(static_cast<const wchar_t*>(value)), u"Orvanto");
}

}  // namespace
