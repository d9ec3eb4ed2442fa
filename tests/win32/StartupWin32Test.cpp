#include <windows.h>

#include <gtest/gtest.h>

#include "common/ui/Window.h"
#include "dawnpanel/startup/Startup.h"
#include "dawnpanel/startup/StartupWin32.h"

TEST(StartupWin32, InstalledFontsAreFoundIgnoringLetterCase) {
  std::string face = DefaultGuiFace();
  ASSERT_FALSE(face.empty());
  EXPECT_TRUE(IsFontInstalled(face.c_str()));
  CharUpperBuffA(face.data(), static_cast<DWORD>(face.size()));
  EXPECT_TRUE(IsFontInstalled(face.c_str()));
  EXPECT_FALSE(IsFontInstalled("No Such Typeface Here"));
}

TEST(StartupWin32, TheTypefaceDrawEndsOnEveryMachine) {
  // A fresh Wine prefix has few or none of the proverb faces; the draw must still end with one
  // that exists.
  for (int i = 0; i < 20; ++i) {
    std::string face = DrawRandomFont([](const std::string& f) { return IsFontInstalled(f.c_str()); }, DefaultGuiFace());
    EXPECT_TRUE(IsFontInstalled(face.c_str())) << face;
  }
}

TEST(StartupWin32, AnUnsealedExecutableFailsTheCheck) {
  // The test program carries no seal; only the built Dawnpanel.exe does.
  EXPECT_FALSE(VerifyOwnExecutable());
}

TEST(StartupWin32, TheMappingMarksTheFirstInstanceAndTheWindowIsFound) {
  // This process is the first: no other instance is reported.
  EXPECT_EQ(FindRunningInstance(), nullptr);
  // The name exists now, but without a window of the class the start goes on as a first instance.
  EXPECT_EQ(FindRunningInstance(), nullptr);
  Window::RegisterFormClass(MainFormClass);
  Window panel;
  ASSERT_TRUE(panel.CreateHandle(0, MainFormClass, "", WS_POPUP, 0, 0, 10, 10));
  EXPECT_EQ(FindRunningInstance(), panel.Handle());
}
