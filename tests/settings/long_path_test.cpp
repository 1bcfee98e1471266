#include "platform/long_path.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsLongPath, OnlyLongAbsolutePathsAreExtended) {
    const Text longTail(300, u'a');
    struct Case { Text path; Text expected; };
    const Case cases[] = {
        {u"C:\\short\\file.ini", u"C:\\short\\file.ini"},
        {u"C:\\" + longTail, u"\\\\?\\C:\\" + longTail},
        {u"\\\\server\\share\\" + longTail, u"\\\\?\\UNC\\server\\share\\" + longTail},
        {u"\\\\?\\C:\\" + longTail, u"\\\\?\\C:\\" + longTail},
        {u"C:/" + longTail, u"C:/" + longTail},
        {u"C:\\x\\..\\" + longTail, u"C:\\x\\..\\" + longTail},
        {u"relative\\" + longTail, u"relative\\" + longTail},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtendedLengthPath(c.path), c.expected) << TextToUtf8(c.path.substr(0, 20));
}

}  // namespace
