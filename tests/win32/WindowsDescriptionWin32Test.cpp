#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "common/WindowsFactsWin32.h"
#include "dawnpanel/mainscreen/SystemSummary.h"

namespace {

// Wine reports Windows 7 unless HKCU\Software\Wine "Version" says otherwise.
bool WineVersionIsDefault() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
  const bool set = RegQueryValueExA(key, "Version", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return !set;
}

bool IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);
  FARPROC address = GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process");
  IsWow64ProcessFn isWow64;
  std::memcpy(&isWow64, &address, sizeof isWow64);
  BOOL wow64 = FALSE;
  return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

// Every line ends in CR LF and there is no other CR or LF.
bool LinesEndInCrLf(const std::string& text) {
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : Name(name) {
    char buffer[1024];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    Had = length > 0 && length < sizeof buffer;
    if (Had) Old.assign(buffer, length);
    SetEnvironmentVariableA(name, value);
  }
  ~ScopedEnvironment() { SetEnvironmentVariableA(Name, Had ? Old.c_str() : nullptr); }

 private:
  const char* Name;
  bool Had = false;
  std::string Old;
};

TEST(GatherWindowsFacts, AnswersAsWindows7UnderWinesDefault) {
  if (!WineVersionIsDefault()) GTEST_SKIP() << "Wine is configured to report another Windows version";
  const WindowsFacts f = GatherWindowsFacts();
  ASSERT_TRUE(f.VersionRead);
  EXPECT_TRUE(f.Extended);
  EXPECT_EQ(f.PlatformId, uint32_t{PlatformWinNt});
  EXPECT_EQ(f.Major, 6u);
  EXPECT_EQ(f.Minor, 1u);
  EXPECT_EQ(f.ProductType, uint8_t{NtWorkstation});
  EXPECT_EQ(f.ServicePack, "Service Pack 1");
  EXPECT_TRUE(f.ProductInfoExported);
  EXPECT_TRUE(f.ProductInfoSucceeded);
  ASSERT_TRUE(f.ProductOptionsOpened);
  ASSERT_TRUE(f.ProductTypeIsString);
  EXPECT_EQ(CharUpperA(std::string(f.ProductTypeValue).data()), std::string("WINNT"));
}

TEST(GatherWindowsFacts, ArchitectureIsTheNativeOne) {
  const WindowsFacts f = GatherWindowsFacts();
  if (IsWow64()) {
    EXPECT_EQ(f.Architecture, uint16_t{ArchitectureX64});
  } else {
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    EXPECT_EQ(f.Architecture, system.wProcessorArchitecture);
  }
}

TEST(GatherWindowsFacts, VerOutputIsTheConsolesAnswerForTheSameVersion) {
  const WindowsFacts f = GatherWindowsFacts();
  ASSERT_TRUE(f.VerOutput);
  const std::string output = f.VerOutput();
  const std::string version =
      std::to_string(f.Major) + "." + std::to_string(f.Minor) + "." + std::to_string(f.Build & 0xFFFF);
  EXPECT_NE(output.find(version), std::string::npos) << output;
}

TEST(DescribeWindowsWin32, DescribesWindows7AndSetsItsFlags) {
  if (!WineVersionIsDefault()) GTEST_SKIP() << "Wine is configured to report another Windows version";
  VistaOrLater = false;
  Windows10OrLater = true;
  WindowsNtFamily = false;
  Is64BitWindows = !IsWow64();
  const std::string text = DescribeWindows();
  EXPECT_EQ(text.rfind("Microsoft Windows 7 ", 0), 0u) << text;
  EXPECT_TRUE(text.ends_with(" Service Pack 1")) << text;
  EXPECT_TRUE(VistaOrLater);
  EXPECT_FALSE(Windows10OrLater);
  EXPECT_TRUE(WindowsNtFamily);
  EXPECT_EQ(Is64BitWindows, IsWow64());
}

TEST(SystemSummaryWin32, NamesTheShortWindowsTheLanguageAndTheZone) {
  char language[24] = {};
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, language, sizeof language), 0);
  const std::string summary = BuildSystemSummary("Dawnpanel", "1071", 0x0419);
  EXPECT_EQ(summary.rfind("Dawnpanel 1071 (Win", 0), 0u) << summary;
  EXPECT_EQ(summary.find("Microsoft"), std::string::npos) << summary;
  EXPECT_NE(summary.find(std::string(" ") + language + " 0419, UTC"), std::string::npos) << summary;
  EXPECT_TRUE(summary.ends_with(")")) << summary;
}

// Each test gets a Temp folder of its own, so it can see what RunConsoleCommand leaves behind.
class RunConsoleCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    Folder = std::string(base) + "dp_console_" + std::to_string(GetCurrentProcessId()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name();
    ASSERT_TRUE(CreateDirectoryA(Folder.c_str(), nullptr)) << Folder;
    Temp = std::make_unique<ScopedEnvironment>("Temp", Folder.c_str());
  }
  void TearDown() override {
    Temp.reset();
    DeleteFileA(DataFile().c_str());
    EXPECT_TRUE(FolderIsEmpty()) << "left behind in " << Folder;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileA((Folder + "\\" + found.cFileName).c_str());
      } while (FindNextFileA(search, &found));
      FindClose(search);
    }
    RemoveDirectoryA(Folder.c_str());
  }

  bool FolderIsEmpty() const {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return true;
    bool empty = true;
    do {
      if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0) empty = false;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return empty;
  }

  // A file for commands to read, kept outside the watched folder.
  std::string DataFile() const { return Folder + ".dat"; }
  void WriteDataFile(const std::string& content) const {
    HANDLE file = CreateFileA(DataFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
  }

  std::string Folder;
  std::unique_ptr<ScopedEnvironment> Temp;
};

TEST_F(RunConsoleCommandTest, VerAnswersInCrLfLinesAndLeavesNothingBehind) {
  const std::string output = RunConsoleCommand("ver");
  EXPECT_NE(output.find("Windows"), std::string::npos) << output;
  EXPECT_TRUE(LinesEndInCrLf(output)) << output;
  EXPECT_TRUE(FolderIsEmpty());
}

TEST_F(RunConsoleCommandTest, NoOutputIsOneEmptyLine) { EXPECT_EQ(RunConsoleCommand("type nul"), "\r\n"); }

TEST_F(RunConsoleCommandTest, SplitsAnyLineEndAndConvertsFromTheOemCodePage) {
  WriteDataFile("one\ntwo\r\nthree\x8F\xE0");
  char converted[3] = "\x8F\xE0";
  OemToCharBuffA(converted, converted, 2);
  EXPECT_EQ(RunConsoleCommand("type \"" + DataFile() + "\""), std::string("one\r\ntwo\r\nthree") + converted + "\r\n");
}

TEST_F(RunConsoleCommandTest, CyrillicRoundTripUnderARussianLocale) {
  if (GetACP() != 1251 || GetOEMCP() != 866) GTEST_SKIP() << "needs the Russian code pages";
  EXPECT_EQ(RunConsoleCommand("echo Привет"), "Привет \r\n");
}

TEST_F(RunConsoleCommandTest, OutputGoesToTheTempFolder) {
  // A Temp folder that does not exist leaves the command nowhere to write.
  ScopedEnvironment missing("Temp", (Folder + "\\missing").c_str());
  EXPECT_EQ(RunConsoleCommand("ver"), "\r\n");
}

TEST_F(RunConsoleCommandTest, WithoutComSpecNothingRuns) {
  ScopedEnvironment unset("ComSpec", nullptr);
  EXPECT_EQ(RunConsoleCommand("ver"), "");
}

TEST_F(RunConsoleCommandTest, AnInterpreterThatCannotStartGivesOneEmptyLine) {
  ScopedEnvironment broken("ComSpec", "C:\\nowhere\\nocmd.exe");
  EXPECT_EQ(RunConsoleCommand("ver"), "\r\n");
}

TEST_F(RunConsoleCommandTest, AHangingCommandIsEndedWithEverythingItStarted) {
  // The inner interpreter holds the output file open; only if it dies too can the file go.
  const DWORD start = GetTickCount();
  const std::string output = RunConsoleCommand("cmd /c for /L %i in (1,1,2000000000) do @rem", 1000);
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_LT(elapsed, 8000u);
  EXPECT_GE(elapsed, 900u);
  EXPECT_EQ(output, "\r\n");
  EXPECT_TRUE(FolderIsEmpty());
}

TEST(OemToAnsiText, KeepsLengthAndAscii) {
  EXPECT_EQ(OemToAnsiText(""), "");
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string converted = OemToAnsiText(all);
  ASSERT_EQ(converted.size(), all.size());
  EXPECT_EQ(converted.substr(0x1F, 0x7F - 0x20), all.substr(0x1F, 0x7F - 0x20));  // ' ' to '~'
}

TEST(OemToAnsiText, CyrillicFromCodePage866To1251) {
  if (GetACP() != 1251 || GetOEMCP() != 866) GTEST_SKIP() << "needs the Russian code pages";
  EXPECT_EQ(OemToAnsiText("\x80\x9F\xA0\xAF\xE0\xEF\xF0\xF1"), "\xC0\xDF\xE0\xEF\xF0\xFF\xA8\xB8");
}

}  // namespace
