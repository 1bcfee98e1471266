#include "ui/os_product_name.h"

#include <gtest/gtest.h>

TEST(OsProductNameTest, Rules) {
  struct Case {
    const char16_t* registry;
    bool windows11;
    const char16_t* expected;
  } cases[] = {
      {u"Windows 10 Pro", true, u"Windows 11 Pro"},
      {u"Windows 10 Pro", false, u"Windows 10 Pro"},
      {u"Windows 10", true, u"Windows 10"},  // no blank after the number
      {u"Windows 10 Home 10 N", true, u"Windows 11 Home 11 N"},
      {u"Windows 10 10 Pro", true, u"Windows 11 10 Pro"},  // hits do not share their blanks
      {u" 10 ", true, u" 11 "},
      {u"Windows 7 Ultimate", true, u"Windows 7 Ultimate"},
      {u"Microsoft Windows 7", false, u"Microsoft Windows 7"},
      {u"Windows 100 Pro", true, u"Windows 100 Pro"},
      {u"", true, u"Windows"},
      {u"", false, u"Windows"},
      {u"Error", false, u"Windows"},
      {u"Error", true, u"Windows"},
      {u"error", false, u"error"},  // only the exact marker text
      {u"Windows 10 Pro für Workstations", true, u"Windows 11 Pro für Workstations"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OsProductNameFrom(c.registry, c.windows11), Text(c.expected)) << TextToUtf8(c.registry);
}
