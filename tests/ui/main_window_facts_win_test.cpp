#include <windows.h>

#include <gtest/gtest.h>

#include "app/os_version.h"
#include "platform/wide.h"
#include "ui/os_product_name.h"
#include "ui/window_position.h"

namespace {

Text RegistryProductName() {
  wchar_t buffer[512] = {};
  DWORD size = sizeof(buffer);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName",
                   RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return {};
  return FromWide(buffer);
}

}  // namespace

TEST(MainWindowFactsTest, ProductNameComesFromTheRegistry) {
  Text stored = RegistryProductName();
  Text shown = ReadOsProductName();
  if (stored.empty()) {
    EXPECT_EQ(shown, u"Windows");
  } else if (RunningOsVersionCode() != 120) {
    EXPECT_EQ(shown, stored);  // only Windows 11 builds rewrite " 10 "
  } else {
    EXPECT_EQ(shown.find(u" 10 "), Text::npos) << TextToUtf8(shown);
  }
}

TEST(MainWindowFactsTest, TaskbarAlignmentOnlyFromWindows11) {
  int64_t alignment = ReadTaskbarAlignment();
  if (!IsWindows11OrLater()) {
    EXPECT_EQ(alignment, -1);
  } else {
    EXPECT_GE(alignment, -1);
  }
}

TEST(MainWindowFactsTest, LogicalToPixelsAgreesWithMulDiv) {
  for (int dpi : {72, 96, 100, 120, 144, 168, 192, 240}) {
    int mismatches = 0;
    for (int value = -3000; value <= 3000 && mismatches < 5; ++value) {
      if (LogicalToPixels(value, dpi) != MulDiv(value, dpi, 96)) {
        ++mismatches;
        ADD_FAILURE() << value << " @ " << dpi << ": " << LogicalToPixels(value, dpi) << " vs "
                      << MulDiv(value, dpi, 96);
      }
    }
  }
}
