#include "platform/Settings.h"

#include <gtest/gtest.h>

#include "platform/FileIo.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

namespace gb {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKey = "Software\\Norvel Software\\Gavelbook\\Lotkeeper\\Settings";

class SettingsTest : public SettingsTestFolder {
protected:
    // A store of its own, without the process's cached copy of the file.
    static Settings Reopen(const Settings& store) { return Settings(store.File()); }
};

TEST_F(SettingsTest, TextsAndNumbersRoundTripThroughTheFile) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString(kKey, "ProfileName", "/home/seller/Demo.pro"));
    ASSERT_TRUE(user.SetNumber(kKey, "Spacing", 1));
    ASSERT_TRUE(user.SetNumber(kKey, "Left", 0xFFFFFFF6u));  // -10 as stored by a caller

    const Settings reread = Reopen(user);
    EXPECT_EQ(reread.GetString(kKey, "ProfileName"), "/home/seller/Demo.pro");
    EXPECT_EQ(reread.GetNumber(kKey, "Spacing"), 1u);
    EXPECT_EQ(static_cast<std::int32_t>(reread.GetNumber(kKey, "Left")), -10);
    EXPECT_EQ(reread.GetValue(kKey, "Spacing"), SettingsValue::Number(1));
}

TEST_F(SettingsTest, MissingValuesGiveTheDefaultAndTypesDoNotConvert) {
    Settings& user = Settings::CurrentUser();
    EXPECT_EQ(user.GetString(kKey, "ProfileName", "none"), "none");
    EXPECT_EQ(user.GetNumber(kKey, "Spacing", 7), 7u);
    ASSERT_TRUE(user.SetNumber(kKey, "Payment Method", 0));
    ASSERT_TRUE(user.SetString(kKey, "Spacing", "12"));

    EXPECT_EQ(user.GetString(kKey, "Payment Method", ";"), "");
    EXPECT_EQ(user.GetNumber(kKey, "Spacing", 7), 7u);
    EXPECT_FALSE(user.GetValue(kKey, "Absent"));
    EXPECT_FALSE(user.KeyExists("Software\\Nobody"));
}

TEST_F(SettingsTest, NamesMatchIgnoringCaseAndKeepTheirFirstSpelling) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString("Software\\Norvel Software\\Gavelbook\\Lotkeeper\\WebSites",
                               "String0", "first"));
    ASSERT_TRUE(user.SetString("SOFTWARE\\norvel software\\GAVELBOOK\\lotkeeper\\websites",
                               "STRING0", "second"));
    // Windows-1252 letters beyond ASCII follow the code page's case rules.
    ASSERT_TRUE(user.SetString("Software\\\xC4nderungen",
                               "\xDC"
                               "bersicht",
                               "x"));

    const Settings reread = Reopen(user);
    EXPECT_EQ(
        reread.GetString("software\\NORVEL SOFTWARE\\gavelbook\\LOTKEEPER\\webSites", "string0"),
        "second");
    EXPECT_EQ(reread.GetString("software\\\xE4NDERUNGEN",
                               "\xFC"
                               "BERSICHT"),
              "x");

    const auto root = reread.Snapshot();
    ASSERT_TRUE(root);
    const SettingsKey* webSites =
        root->FindKey("Software\\Norvel Software\\Gavelbook\\Lotkeeper\\WebSites");
    ASSERT_NE(webSites, nullptr);
    EXPECT_EQ(webSites->Name(), "WebSites");
    ASSERT_EQ(webSites->Values().size(), 1u);
    EXPECT_EQ(webSites->Values()[0].first, "String0");
}

TEST_F(SettingsTest, AnyCharacterInNamesAndTextsSurvivesTheFile) {
    const std::string names[] = {
        "Payment Method",
        "Shipping & Handling",
        "back\\slash",
        "a=b",
        "line\nbreak\r\n",
        "100%",
        "[section]",
        ";not a comment",
        "#not a comment",
        "trailing blank ",
        " leading blank",
        "tab\there",
        "\x80\xE9\xFF",
        "text:number:",
        "",
    };
    Settings& user = Settings::CurrentUser();
    for (const std::string& name : names) {
        ASSERT_TRUE(user.SetString(kKey, name, "value of " + name)) << name;
        // Key names may hold everything but the separator.
        if (name.find('\\') == std::string::npos && !name.empty()) {
            ASSERT_TRUE(user.SetNumber(std::string(kKey) + "\\" + name, name, 42)) << name;
        }
    }
    const Settings reread = Reopen(user);
    for (const std::string& name : names) {
        EXPECT_EQ(reread.GetString(kKey, name), "value of " + name) << name;
        if (name.find('\\') == std::string::npos && !name.empty()) {
            EXPECT_EQ(reread.GetNumber(std::string(kKey) + "\\" + name, name), 42u) << name;
        }
    }
}

TEST_F(SettingsTest, TheFileIsReadableText) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString(kKey, "ProfileName", "Caf\xE9.pro"));
    ASSERT_TRUE(user.SetNumber(kKey, "Spacing", 1));
    EXPECT_EQ(user.File(), folder_ / "user" / "user.settings");

    const std::string text = ReadWholeFile(user.File()).value_or("");
    EXPECT_NE(text.find("[Software\\Norvel Software\\Gavelbook\\Lotkeeper\\Settings]\n"
                        "ProfileName=text:Caf\xC3\xA9.pro\n"
                        "Spacing=number:1\n"),
              std::string::npos)
        << text;
}

TEST_F(SettingsTest, DeletingValuesAndKeys) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString("A\\B\\C", "x", "1"));
    ASSERT_TRUE(user.SetString("A\\B", "y", "2"));
    ASSERT_TRUE(user.DeleteValue("a\\b", "Y"));
    EXPECT_FALSE(user.GetValue("A\\B", "y"));
    EXPECT_TRUE(user.DeleteValue("A\\Nothing", "y"));

    ASSERT_TRUE(user.DeleteKey("a\\B"));
    EXPECT_FALSE(user.KeyExists("A\\B\\C"));
    EXPECT_FALSE(user.KeyExists("A\\B"));
    EXPECT_TRUE(user.KeyExists("A"));
}

TEST_F(SettingsTest, AnAbandonedEditChangesNothing) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString(kKey, "Kept", "yes"));
    EXPECT_FALSE(user.Edit([](SettingsKey& root) {
        root.CreateKey(kKey).SetValue("Kept", SettingsValue::Text("no"));
        return false;
    }));
    EXPECT_EQ(Reopen(user).GetString(kKey, "Kept"), "yes");
}

TEST_F(SettingsTest, ReadsSeeWhatAnotherWriterWrote) {
    Settings& user = Settings::CurrentUser();
    ASSERT_TRUE(user.SetString(kKey, "Library", "VizEvav.cta"));
    EXPECT_EQ(user.GetString(kKey, "Library"), "VizEvav.cta");

    Settings other(user.File());
    ASSERT_TRUE(other.SetString(kKey, "Library", "German.cta"));
    EXPECT_EQ(user.GetString(kKey, "Library"), "German.cta");
}

TEST_F(SettingsTest, UnreadableLinesAreSkippedAndProtectTheFileFromRewrites) {
    const fs::path file = folder_ / "user" / "user.settings";
    fs::create_directories(file.parent_path());
    const std::string text =
        "[Software\\Norvel Software\\Gavelbook\\Lotkeeper\\Settings]\n"
        "Spacing=number:1\n"
        "Broken line without a type\n"
        "Bad=number:12x\n"
        "BadEscape=text:50%\n"
        "ProfileName=text:Demo.pro\r\n";
    WriteFileAtomically(file, text);

    Settings& user = Settings::CurrentUser();
    EXPECT_EQ(user.GetNumber(kKey, "Spacing"), 1u);
    EXPECT_EQ(user.GetString(kKey, "ProfileName"), "Demo.pro");
    EXPECT_FALSE(user.GetValue(kKey, "Bad"));

    EXPECT_FALSE(user.SetNumber(kKey, "Spacing", 2));
    EXPECT_EQ(ReadWholeFile(file), text);
}

TEST_F(SettingsTest, RootsFollowTheEnvironment) {
    EXPECT_EQ(Settings::CurrentUser().File(), folder_ / "user" / "user.settings");
    EXPECT_EQ(Settings::LocalMachine().File(), folder_ / "machine" / "machine.settings");
    EXPECT_EQ(Settings::ClassesRoot().File(), folder_ / "machine" / "classes.settings");

    ::unsetenv("GAVELBOOK_USER_SETTINGS");
    ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    EXPECT_EQ(Settings::CurrentUser().File(), folder_ / "config" / "gavelbook" / "user.settings");
    ::unsetenv("XDG_CONFIG_HOME");

    // The same file is the same store.
    EXPECT_EQ(&Settings::LocalMachine(),
              &Settings::ForFile(folder_ / "machine" / "." / "machine.settings"));
}

TEST_F(SettingsTest, UserAndMachineRootsAreSeparate) {
    ASSERT_TRUE(Settings::CurrentUser().SetString(kApplicationKey, "Where", "user"));
    ASSERT_TRUE(Settings::LocalMachine().SetString(kApplicationKey, "Where", "machine"));
    EXPECT_EQ(Settings::CurrentUser().GetString(kApplicationKey, "Where"), "user");
    EXPECT_EQ(Settings::LocalMachine().GetString(kApplicationKey, "Where"), "machine");
    EXPECT_EQ(Settings::ClassesRoot().GetString(kApplicationKey, "Where", "none"), "none");
}

}  // namespace
}  // namespace gb
