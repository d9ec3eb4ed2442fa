#include <windows.h>

#include "tests/common/RegistryContract.h"

#include "common/Environment.h"
#include "common/Win32Registry.h"

namespace {
RegistryUnderTest MakeReal(uint32_t access) {
  return {std::make_unique<Win32Registry>(access),
          [](const std::string& path, const std::string& name, uint32_t type, const std::string& data) {
            HKEY key;
            ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                      nullptr),
                      ERROR_SUCCESS);
            RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size()));
            RegCloseKey(key);
          }};
}
RegistryUnderTest MakeDefaultView() { return MakeReal(KeyAllAccess); }
RegistryUnderTest Make64BitView() { return MakeReal(KeyAllAccess | KeyWow64_64Key); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(Real, RegistryContract,
                         ::testing::Values(RegistryFactory{"DefaultView", MakeDefaultView},
                                           RegistryFactory{"View64", Make64BitView}),
                         RegistryName);

// The 64-bit view reaches the keys that a 64-bit program sees under HKLM\Software, which the
// 32-bit view of a 64-bit system redirects elsewhere.
TEST(Win32Registry, SixtyFourBitViewIsTheNativeOne) {
  BOOL wow64 = FALSE;
  using IsWow64ProcessProc = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto isWow64 = reinterpret_cast<IsWow64ProcessProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  if (!isWow64 || !isWow64(GetCurrentProcess(), &wow64) || !wow64) GTEST_SKIP() << "32-bit system";
  Win32Registry native(SharedRegistryAccess(true));
  native.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(native.OpenKeyReadOnly("\\Software\\Microsoft\\Windows\\CurrentVersion"));
  std::string nativeDir = native.ReadString("ProgramFilesDir");
  Win32Registry redirected(SharedRegistryAccess(false));
  redirected.SetRootKey(RootKey::LocalMachine);
  ASSERT_TRUE(redirected.OpenKeyReadOnly("\\Software\\Microsoft\\Windows\\CurrentVersion"));
  std::string redirectedDir = redirected.ReadString("ProgramFilesDir");
  EXPECT_NE(nativeDir.find("Program Files"), std::string::npos);
  EXPECT_NE(redirectedDir.find("(x86)"), std::string::npos);
  EXPECT_EQ(nativeDir.find("(x86)"), std::string::npos);
}
