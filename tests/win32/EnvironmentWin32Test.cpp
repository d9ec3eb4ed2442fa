#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "common/Environment.h"
#include "common/EnvironmentWin32.h"

namespace {
struct BoxSeen {
  std::string Text;
  bool Found = false;
};

// Waits for a message box with the caption, reads its text and presses OK.
BoxSeen AnswerBox(const char* caption) {
  BoxSeen seen;
  for (int i = 0; i < 200 && !seen.Found; ++i) {
    HWND box = FindWindowA("#32770", caption);
    if (box) {
      char text[512] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static text of a message box
      seen.Text = text;
      seen.Found = true;
      SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
      if (IsWindow(box)) PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    Sleep(25);
  }
  return seen;
}

class BilingualBoxes : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    ProductNameRu = "Даунпанель";
    ProductNameEn = "Dawnpanel";
    CyrillicLocale = GetParam();
  }
};
}  // namespace

TEST_P(BilingualBoxes, ErrorAndNoticeSpeakTheUsersLanguage) {
  const char* caption = GetParam() ? "Даунпанель" : "Dawnpanel";
  const char* expected = GetParam() ? "Не удаётся" : "Cannot";
  for (int kind = 0; kind < 2; ++kind) {
    auto answer = std::async(std::launch::async, AnswerBox, caption);
    int result = IDOK;
    if (kind == 0) ShowError("Cannot", "Не удаётся");
    else result = ShowNotice("Cannot", "Не удаётся");
    BoxSeen seen = answer.get();
    ASSERT_TRUE(seen.Found) << "no box captioned " << caption;
    EXPECT_EQ(seen.Text, expected);
    EXPECT_EQ(result, IDOK);
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, BilingualBoxes, ::testing::Values(true, false));

TEST(EnvironmentWin32, InitialisationReadsTheLocaleAndCreatesTheRegistryObject) {
  InitializeEnvironment();
  EXPECT_EQ(UserLcid, GetUserDefaultLCID());
  EXPECT_EQ(CyrillicLocale, IsCyrillicLcid(UserLcid));
  ASSERT_NE(SharedRegistry, nullptr);
  EXPECT_EQ(SharedRegistry->GetRootKey(), RootKey::CurrentUser);
  EXPECT_EQ(VersionMajor, -1);
  EXPECT_EQ(VersionMinor, -1);
  EXPECT_FALSE(AutoStartLaunch) << "the test program has no launch word";
  FinalizeEnvironment();
}
