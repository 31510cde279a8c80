#include "window/qt/qsettings_store.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "window/model/settings/settings_values.h"

namespace qv {
namespace {

using test::TempFolder;

class QSettingsStoreTest : public testing::Test {
 protected:
  TempFolder folder;
  QString iniPath = QString::fromStdString(folder.file("settings.ini"));
};

TEST_F(QSettingsStoreTest, MissingValuesGiveTheDefaults) {
  QSettingsStore store(iniPath);
  StoredValue<std::string> text = store.readString("LastSuffix", "_Y");
  EXPECT_EQ(text.value, "_Y");
  EXPECT_FALSE(text.found);
  StoredValue<std::int32_t> number = store.readNumber("OutputTab", 3);
  EXPECT_EQ(number.value, 3);
  EXPECT_FALSE(number.found);
}

TEST_F(QSettingsStoreTest, WrittenValuesAreInTheFileForTheNextStore) {
  {
    QSettingsStore store(iniPath);
    EXPECT_TRUE(store.writeString("LastSource", "/p/caf\xC3\xA9 a,b;c|d.asm"));
    EXPECT_TRUE(store.writeString("Empty", ""));
    EXPECT_TRUE(store.writeString("Odd", " @x, = \"y\" "));
    EXPECT_TRUE(store.writeNumber("WindowX", -2147483647 - 1));
    EXPECT_TRUE(store.writeNumber("WindowY", 2147483647));
  }
  QSettingsStore store(iniPath);
  EXPECT_EQ(store.readString("LastSource", "").value, "/p/caf\xC3\xA9 a,b;c|d.asm");
  EXPECT_EQ(store.readString("Odd", "").value, " @x, = \"y\" ");
  StoredValue<std::string> empty = store.readString("Empty", "x");
  EXPECT_TRUE(empty.found);
  EXPECT_EQ(empty.value, "");
  EXPECT_EQ(store.readNumber("WindowX", 0).value, -2147483647 - 1);
  EXPECT_EQ(store.readNumber("WindowY", 0).value, 2147483647);
  EXPECT_TRUE(store.readNumber("WindowY", 0).found);
}

TEST_F(QSettingsStoreTest, StringsEndAtTheirFirstNul) {
  QSettingsStore store(iniPath);
  store.writeString("LastSuffix", std::string("_A\0tail", 7));
  EXPECT_EQ(store.readString("LastSuffix", "").value, "_A");
}

TEST_F(QSettingsStoreTest, TextThatIsNoWholeNumberReadsAsAbsent) {
  QSettingsStore store(iniPath);
  for (const char* text : {"abc", "12x", "", "1.5", "99999999999"}) {
    store.writeString("NoWrite", text);
    StoredValue<std::int32_t> number = store.readNumber("NoWrite", 7);
    EXPECT_FALSE(number.found) << text;
    EXPECT_EQ(number.value, 7) << text;
  }
}

TEST_F(QSettingsStoreTest, HandWrittenListReadsAsItsFirstString) {
  folder.write("settings.ini", "[General]\nLastSource=/p/a.asm, /p/b.asm\n");
  QSettingsStore store(iniPath);
  EXPECT_EQ(store.readString("LastSource", "").value, "/p/a.asm");
}

TEST_F(QSettingsStoreTest, UnwritableFileReportsFailure) {
  QSettingsStore store(QString::fromStdString(folder.path()));
  EXPECT_FALSE(store.writeNumber("OutputTab", 1));
}

TEST_F(QSettingsStoreTest, WorkbenchSettingsRoundTrip) {
  WorkbenchSettings values;
  values.lastSource = "/p/song.asm";
  values.suffix = "_Z";
  values.recentSources = {"/p/song.asm", "/p/other.asm"};
  values.showInactive = true;
  values.outputTab = 4;
  values.tabSelStart = {0, 5, 0, 0, 9, 0};
  values.tabSelEnd = {0, 8, 0, 0, 12, 0};
  {
    QSettingsStore store(iniPath);
    SaveWorkbenchSettings(store, values, true);
    SaveWindowPlacement(store, {10, 20, 1010, 720}, false);
  }
  QSettingsStore store(iniPath);
  WorkbenchSettings loaded = LoadWorkbenchSettings(store);
  EXPECT_TRUE(loaded == values);
  StoredWindowPlacement placement = LoadWindowPlacement(store);
  EXPECT_EQ(placement.x, 10);
  EXPECT_EQ(placement.width, 1000);
  EXPECT_EQ(placement.height, 700);
  EXPECT_FALSE(placement.maximized);
}

}  // namespace
}  // namespace qv
