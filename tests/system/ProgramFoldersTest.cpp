#include <gtest/gtest.h>

#include "common/Environment.h"
#include "tests/support/MemoryRegistry.h"
#include "dawnpanel/system/ProgramFolders.h"

namespace {
class ProgramFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    auto reg = std::make_unique<MemoryRegistry>();
    Memory = reg.get();
    SharedRegistry = std::move(reg);
  }
  void TearDown() override { SharedRegistry.reset(); }
  void Startup(const std::string& value) {
    Memory->Plant(RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                  "Startup", RawRegSz, value + '\0');
  }
  void ProgramFiles(const std::string& value) {
    Memory->Plant(RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                  RawRegSz, value + '\0');
  }
  MemoryRegistry* Memory = nullptr;
};
}  // namespace

TEST_F(ProgramFolders, FillsEveryFolderWithItsBackslash) {
  Startup("C:\\Users\\u\\Start Menu\\Programs\\Startup");
  ProgramFiles("C:\\Program Files");
  EXPECT_TRUE(LocateProgramFolders("C:\\Program Files\\Dawnpanel\\Dawnpanel.exe", "C:\\Temp"));
  EXPECT_EQ(ProgramFolder, "C:\\Program Files\\Dawnpanel\\");
  EXPECT_EQ(TempFolder, "C:\\Temp\\");
  EXPECT_EQ(StartupFolder, "C:\\Users\\u\\Start Menu\\Programs\\Startup\\");
  EXPECT_EQ(ProgramFilesDir, "C:\\Program Files");
  EXPECT_TRUE(ProgramFilesKnown);
  EXPECT_EQ(SharedRegistry->GetRootKey(), RootKey::LocalMachine);
  EXPECT_FALSE(SharedRegistry->HasCurrentKey());
}

TEST_F(ProgramFolders, MissingValuesGiveEmptyFolders) {
  EXPECT_TRUE(LocateProgramFolders("C:\\Dawnpanel.exe", std::nullopt));
  EXPECT_EQ(ProgramFolder, "C:\\");
  EXPECT_EQ(TempFolder, "") << "an unset Temp is empty, not a lone backslash";
  EXPECT_EQ(StartupFolder, "");
  EXPECT_EQ(ProgramFilesDir, "");
  EXPECT_FALSE(ProgramFilesKnown);
}

TEST_F(ProgramFolders, AFolderThatEndsInABackslashGetsNoSecond) {
  Startup("D:\\Startup\\");
  LocateProgramFolders("C:\\x\\Dawnpanel.exe", "C:\\Temp\\");
  EXPECT_EQ(StartupFolder, "D:\\Startup\\");
  EXPECT_EQ(TempFolder, "C:\\Temp\\");
}

TEST_F(ProgramFolders, ANonStringValueIsAnErrorForTheCaller) {
  Memory->Plant(RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                "Startup", RawRegDword, std::string(4, '\0'));
  EXPECT_THROW(LocateProgramFolders("C:\\x\\Dawnpanel.exe", std::nullopt), ERegistryException);
  EXPECT_FALSE(SharedRegistry->HasCurrentKey()) << "the key is closed also after the error";
}

TEST(ProgramFilesPath, FirstGrAtPositionFourToSixteen) {
  const struct {
    const char* Path;
    bool Known;
  } table[] = {
      {"C:\\Program Files", true},         {"D:\\Programme", true},
      {"C:\\Archivos de programa", false}, {"", false},
      {"C:grx\\Program Files", false},     {"C:\\abcdefghijklgr", true},
      {"C:\\abcdefghijklmgr", false},
  };
  for (const auto& row : table) EXPECT_EQ(LooksLikeProgramFiles(row.Path), row.Known) << row.Path;
}
