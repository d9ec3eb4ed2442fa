#pragma once
// What every Registry must do, run against the in-memory double on the host and against the
// real registry under Wine. Include from exactly one test file per build and instantiate.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "common/Registry.h"

struct RegistryUnderTest {
  std::unique_ptr<Registry> Reg;
  // Writes a value of any raw type below HKCU, bypassing the seam.
  std::function<void(const std::string& path, const std::string& name, uint32_t rawType, const std::string& data)> Plant;
};

struct RegistryFactory {
  const char* Name;
  std::function<RegistryUnderTest()> Make;
};

inline void PrintTo(const RegistryFactory& factory, std::ostream* os) { *os << factory.Name; }

// Readable test names: Memory, DefaultView, View64 …
inline std::string RegistryName(const ::testing::TestParamInfo<RegistryFactory>& info) { return info.param.Name; }

class RegistryContract : public ::testing::TestWithParam<RegistryFactory> {
 protected:
  static constexpr const char* Base = "Software\\Zedna\\DawnpanelContractTest";
  void SetUp() override {
    U = GetParam().Make();
    U.Reg->SetRootKey(RootKey::CurrentUser);
    U.Reg->DeleteKey("\\" + std::string(Base));
    ASSERT_TRUE(U.Reg->OpenKey("\\" + std::string(Base), true));
  }
  void TearDown() override {
    U.Reg->CloseKey();
    U.Reg->SetRootKey(RootKey::CurrentUser);
    U.Reg->DeleteKey("\\" + std::string(Base));
  }
  Registry& R() { return *U.Reg; }
  RegistryUnderTest U;
};

TEST_P(RegistryContract, OpensOnlyExistingKeysUnlessAskedToCreate) {
  R().CloseKey();
  EXPECT_FALSE(R().OpenKey(std::string(Base) + "\\Missing", false));
  EXPECT_FALSE(R().HasCurrentKey());
  EXPECT_FALSE(R().KeyExists(std::string(Base) + "\\Missing"));
  ASSERT_TRUE(R().OpenKey(std::string(Base) + "\\Missing", true));
  EXPECT_EQ(R().CurrentPath(), std::string(Base) + "\\Missing");
  EXPECT_TRUE(R().KeyExists("\\" + std::string(Base) + "\\Missing"));
}

TEST_P(RegistryContract, PathsWithoutBackslashStartAtTheOpenKey) {
  ASSERT_TRUE(R().OpenKey("Child", true));
  EXPECT_EQ(R().CurrentPath(), std::string(Base) + "\\Child");
  R().WriteInteger("Depth", 1);
  ASSERT_TRUE(R().OpenKey("\\" + std::string(Base), false));
  EXPECT_FALSE(R().ValueExists("Depth"));
  ASSERT_TRUE(R().OpenKey("child", false));  // names ignore letter case
  EXPECT_EQ(R().ReadInteger("DEPTH"), 1);
}

TEST_P(RegistryContract, FailedOpenKeepsThePreviousKey) {
  R().WriteInteger("Here", 5);
  EXPECT_FALSE(R().OpenKey("Nowhere", false));
  EXPECT_EQ(R().ReadInteger("Here"), 5);
}

TEST_P(RegistryContract, ValuesRoundTrip) {
  R().WriteInteger("Int", -123456);
  R().WriteBool("Yes", true);
  R().WriteString("Text", "Даунпанель");
  const uint8_t bytes[5] = {0, 1, 2, 0xFE, 0xFF};
  R().WriteBinaryData("Bytes", bytes, sizeof bytes);
  EXPECT_EQ(R().ReadInteger("Int"), -123456);
  EXPECT_TRUE(R().ReadBool("Yes"));
  EXPECT_EQ(R().ReadString("Text"), "Даунпанель");
  uint8_t back[8] = {9, 9, 9, 9, 9, 9, 9, 9};
  EXPECT_EQ(R().ReadBinaryData("Bytes", back, sizeof back), 5u);
  EXPECT_EQ(std::memcmp(back, bytes, 5), 0);
  EXPECT_EQ(back[5], 9) << "bytes after a shorter value stay as they were";

  RegDataInfo info;
  ASSERT_TRUE(R().GetDataInfo("Int", info));
  EXPECT_EQ(info.Type, RegDataType::Integer);
  EXPECT_EQ(info.Size, 4u);
  ASSERT_TRUE(R().GetDataInfo("Bytes", info));
  EXPECT_EQ(info.Type, RegDataType::Binary);
  EXPECT_EQ(info.Size, 5u);
  ASSERT_TRUE(R().GetDataInfo("Text", info));
  EXPECT_EQ(info.Type, RegDataType::String);
}

TEST_P(RegistryContract, ReadsOfTheWrongKindRaise) {
  R().WriteString("Text", "x");
  R().WriteInteger("Int", 7);
  const char six[6] = {};
  R().WriteBinaryData("Six", six, 6);
  EXPECT_THROW(R().ReadInteger("Text"), ERegistryException);
  EXPECT_THROW(R().ReadInteger("Six"), ERegistryException);
  EXPECT_THROW(R().ReadInteger("Missing"), ERegistryException);
  EXPECT_THROW(R().ReadString("Int"), ERegistryException);
  EXPECT_EQ(R().ReadString("Missing"), "");
  char four[4];
  EXPECT_THROW(R().ReadBinaryData("Six", four, 4), ERegistryException) << "longer than the buffer";
  EXPECT_THROW(R().ReadBinaryData("Text", four, 4), ERegistryException) << "a string is not binary";
  EXPECT_THROW(R().ReadBinaryData("Int", four, 4), ERegistryException) << "an integer is not binary";
}

TEST_P(RegistryContract, TypesItDoesNotKnowReadAsBinary) {
  const std::string qword("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  U.Plant(Base, "Q", RawRegQword, qword);
  U.Plant(Base, "Short", RawRegDword, std::string("\x01\x02", 2));
  RegDataInfo info;
  ASSERT_TRUE(R().GetDataInfo("Q", info));
  EXPECT_EQ(info.Type, RegDataType::Unknown);
  char back[8];
  EXPECT_EQ(R().ReadBinaryData("Q", back, 8), 8u);
  EXPECT_EQ(std::string(back, 8), qword);
  EXPECT_THROW(R().ReadInteger("Short"), ERegistryException) << "a DWORD value of two bytes is malformed";
}

TEST_P(RegistryContract, DeletingValuesAndBranches) {
  R().WriteInteger("Gone", 1);
  EXPECT_TRUE(R().ValueExists("Gone"));
  EXPECT_TRUE(R().DeleteValue("Gone"));
  EXPECT_FALSE(R().ValueExists("Gone"));
  EXPECT_FALSE(R().DeleteValue("Gone"));

  ASSERT_TRUE(R().OpenKey("A\\B\\C", true));
  R().WriteInteger("Deep", 1);
  R().CloseKey();
  EXPECT_TRUE(R().DeleteKey("\\" + std::string(Base) + "\\A"));
  EXPECT_FALSE(R().KeyExists("\\" + std::string(Base) + "\\A\\B\\C"));
  EXPECT_FALSE(R().KeyExists("\\" + std::string(Base) + "\\A"));
  EXPECT_TRUE(R().KeyExists("\\" + std::string(Base)));
}

TEST_P(RegistryContract, AnotherRootClosesTheKeyAndWritesThenRaise) {
  R().SetRootKey(RootKey::CurrentUser);
  EXPECT_TRUE(R().HasCurrentKey()) << "the same root keeps the key open";
  R().SetRootKey(RootKey::LocalMachine);
  EXPECT_FALSE(R().HasCurrentKey());
  EXPECT_EQ(R().CurrentPath(), "");
  EXPECT_THROW(R().WriteInteger("Nowhere", 1), ERegistryException);
  EXPECT_FALSE(R().ValueExists("Nowhere"));
}
