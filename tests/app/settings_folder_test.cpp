#include "app/settings_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct FakeDisk {
    std::set<Text> folders;
    std::set<Text> creatable;  // parents that exist, so one level can be made
    std::vector<Text> created;
};

SettingsFolderFacts FactsOf(FakeDisk& disk, bool vista, Text appData) {
    SettingsFolderFacts facts;
    facts.vistaOrLater = vista;
    facts.appData = std::move(appData);
    facts.folderExists = [&disk](const Text& p) { return disk.folders.count(p) > 0; };
    facts.createFolder = [&disk](const Text& p) {
        if (!disk.creatable.count(p)) return false;
        disk.folders.insert(p);
        disk.created.push_back(p);
        return true;
    };
    return facts;
}

TEST(ResolveSettingsFolder, UsesAppDataWithTheProgramsFolderName) {
    FakeDisk disk;
    disk.creatable = {u"C:\\Users\\E\\AppData\\Roaming\\Orvanto\\"};
    EXPECT_EQ(ResolveSettingsFolder(u"C:\\Tools\\Orvanto\\", FactsOf(disk, true, u"C:\\Users\\E\\AppData\\Roaming")),
              u"C:\\Users\\E\\AppData\\Roaming\\Orvanto\\");
    ASSERT_EQ(disk.created.size(), 1u);
    // A second resolution finds the folder and creates nothing.
    EXPECT_EQ(ResolveSettingsFolder(u"D:\\x\\Orvanto", FactsOf(disk, true, u"C:\\Users\\E\\AppData\\Roaming")),
              u"C:\\Users\\E\\AppData\\Roaming\\Orvanto\\");
    EXPECT_EQ(disk.created.size(), 1u);
}

TEST(ResolveSettingsFolder, ErrorMarkerWhenNoFolderCanBeHad) {
    FakeDisk disk;  // nothing can be created: the APPDATA folder itself is missing
    EXPECT_EQ(ResolveSettingsFolder(u"C:\\Tools\\Orvanto\\", FactsOf(disk, true, u"C:\\missing\\Roaming")), u"<ERROR>");
    disk.creatable = {u"C:\\A\\Orvanto\\"};
    EXPECT_EQ(ResolveSettingsFolder(u"C:\\Tools\\Orvanto\\", FactsOf(disk, false, u"C:\\A")), u"<ERROR>");
    // An unset APPDATA does not put the folder at the drive's root.
    disk.creatable = {u"\\Orvanto\\"};
    EXPECT_EQ(ResolveSettingsFolder(u"C:\\Tools\\Orvanto\\", FactsOf(disk, true, u"")), u"<ERROR>");
    EXPECT_TRUE(disk.created.empty());
}

}  // namespace
