#include "tests/common/RegistryContract.h"

#include "tests/support/MemoryRegistry.h"

namespace {
RegistryUnderTest MakeMemory() {
  auto reg = std::make_unique<MemoryRegistry>();
  MemoryRegistry* raw = reg.get();
  return {std::move(reg), [raw](const std::string& path, const std::string& name, uint32_t type,
                                const std::string& data) { raw->Plant(RootKey::CurrentUser, path, name, type, data); }};
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(Double, RegistryContract, ::testing::Values(RegistryFactory{"Memory", MakeMemory}),
                         RegistryName);

TEST(MemoryRegistry, InjectedFailuresReachTheCaller) {
  MemoryRegistry reg;
  reg.FailOpens(true);
  EXPECT_FALSE(reg.OpenKey("\\Software\\X", true));
  reg.FailOpens(false);
  ASSERT_TRUE(reg.OpenKey("\\Software\\X", true));
  reg.FailWrites(true);
  EXPECT_THROW(reg.WriteInteger("V", 1), ERegistryException);
}
