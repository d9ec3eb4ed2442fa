#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <sstream>

#include "common/Environment.h"
#include "tests/support/MemoryRegistry.h"
#include "dawnpanel/settings/SettingsStore.h"

namespace {
constexpr double Today = 46000.5;
const char* const Key = "Software\\Zedna\\Dawnpanel";

// Every stored field as text, keyed by its value name, so whole records compare at once.
std::map<std::string, std::string> Stored(const TSettingsHistory& s) {
  std::map<std::string, std::string> m;
  auto put = [&](const char* name, const auto& v) {
    std::ostringstream o;
    o << v;
    m[name] = o.str();
  };
  auto putArray = [&](const char* name, const auto& a) {
    std::ostringstream o;
    for (auto v : a) o << v << ',';
    m[name] = o.str();
  };
  put("AutoStart", s.AutoStart);
  putArray("DatesTimes", s.DatesTimes);
  putArray("SysTimes", s.SysTimes);
  putArray("FreeMems", s.FreeMems);
  putArray("FreeDisks", s.FreeDisks);
  putArray("CPUTests", s.CPUTests);
  putArray("MemTests", s.MemTests);
  putArray("MemTestsW", s.MemTestsW);
  putArray("DiskTests", s.DiskTests);
  putArray("DiskTestsW", s.DiskTestsW);
  put("ASCount", s.ASCount);
  put("StartDate", s.StartDate);
  put("AutoStarts", s.AutoStarts);
  put("ShowLength", s.ShowLength);
  put("ShowDateTime", s.ShowDateTime);
  put("ShowDateTimeNext", s.ShowDateTimeNext);
  put("DiskTest", s.DiskTest);
  put("DiskTest0", s.DiskTest0);
  put("FixedFont", s.FixedFont);
  put("FontName", s.FontName);
  return m;
}

// A record in which every field differs from its initial value.
TSettingsHistory Rich() {
  TSettingsHistory s;
  s.AutoStart = true;
  for (int i = 0; i < HistorySize; ++i) {
    s.DatesTimes[i] = 45000 + i + 0.25;
    s.SysTimes[i] = 20000 + i;
    s.FreeMems[i] = 300000 + i;
    s.FreeDisks[i] = 50000 + i;
    s.CPUTests[i] = 12345.0f + i;
    s.MemTests[i] = 40000 + i;
    s.MemTestsW[i] = 30000 + i;
    s.DiskTests[i] = 1500 + i;
    s.DiskTestsW[i] = 900 + i;
  }
  s.ASCount = 41;
  s.StartDate = 44000.75;
  s.AutoStarts = 0xA5A5A5A5u;
  s.ShowLength = 12;
  s.ShowDateTime = false;
  s.ShowDateTimeNext = false;
  s.DiskTest = false;
  s.DiskTest0 = false;
  s.FixedFont = true;
  s.FontName = "Georgia";
  return s;
}

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    auto reg = std::make_unique<MemoryRegistry>();
    Memory = reg.get();
    SharedRegistry = std::move(reg);
    ProgramName = "Dawnpanel";
  }
  void TearDown() override { SharedRegistry.reset(); }

  void Plant(const char* name, uint32_t type, const std::string& data) {
    Memory->Plant(RootKey::CurrentUser, Key, name, type, data);
  }
  static std::string Dword(int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

  TSettingsHistory LoadFresh(TSmartRand* picker = nullptr, bool autoStart = false) {
    TSettingsHistory s;
    LoadSettings(s, picker, autoStart, Today);
    EXPECT_FALSE(SharedRegistry->HasCurrentKey()) << "the key is left closed";
    return s;
  }

  MemoryRegistry* Memory = nullptr;
};

TEST_F(SettingsStore, EmptyKeyGivesInitialValuesAndStartsTheStatistics) {
  for (bool autoStart : {false, true}) {
    TSettingsHistory s = LoadFresh(nullptr, autoStart);
    TSettingsHistory expected;
    expected.StartDate = Today;
    expected.ASCount = autoStart ? 2 : 1;
    expected.ShowDateTimeNext = true;
    EXPECT_EQ(Stored(s), Stored(expected)) << "automatic start: " << autoStart;
  }
}

TEST_F(SettingsStore, WhatIsSavedLoadsBack) {
  TSettingsHistory rich = Rich();
  TSmartRand picker(70);
  picker.UsedWords() = {0x12345678u, 0x0F0F0F0Fu, 0u};
  picker.MarkTail();
  SaveSettings(rich, &picker, true);
  EXPECT_FALSE(SharedRegistry->HasCurrentKey());

  TSmartRand restored(70);
  TSettingsHistory back = LoadFresh(&restored, true);
  TSettingsHistory expected = rich;
  expected.ASCount = rich.ASCount + 1;
  expected.ShowDateTimeNext = rich.ShowDateTime;
  EXPECT_EQ(Stored(back), Stored(expected));
  EXPECT_EQ(restored.UsedWords(), picker.UsedWords());
}

TEST_F(SettingsStore, ValuesAreStoredWithTheirTypesAndSizes) {
  TSmartRand picker(1071);
  SaveSettings(Rich(), &picker, true);
  const struct {
    const char* Name;
    uint32_t Type;
    size_t Size;
  } table[] = {
      {"AutoStart", RawRegDword, 4},   {"DatesTimes", RawRegBinary, 256}, {"SysTimes", RawRegBinary, 128},
      {"FreeMems", RawRegBinary, 128}, {"FreeDisks", RawRegBinary, 128},  {"CPUTests", RawRegBinary, 128},
      {"MemTests", RawRegBinary, 128}, {"MemTestsW", RawRegBinary, 128},  {"DiskTests", RawRegBinary, 128},
      {"DiskTestsW", RawRegBinary, 128}, {"ASCount", RawRegDword, 4},     {"StartDate", RawRegBinary, 8},
      {"AutoStarts", RawRegDword, 4},  {"Heart", RawRegBinary, 4 * 34},   {"ShowLength", RawRegDword, 4},
      {"ShowDateTime", RawRegDword, 4}, {"DiskTest", RawRegDword, 4},     {"DiskTest0", RawRegDword, 4},
      {"FixedFont", RawRegDword, 4},   {"FontName", RawRegSz, 8},
  };
  for (const auto& row : table) {
    uint32_t type = 0;
    std::string data;
    ASSERT_TRUE(Memory->Peek(RootKey::CurrentUser, Key, row.Name, type, data)) << row.Name;
    EXPECT_EQ(type, row.Type) << row.Name;
    EXPECT_EQ(data.size(), row.Size) << row.Name;
  }
}

// One unreadable value costs only its own field; everything after it still loads and the
// follow-up steps still run.
TEST_F(SettingsStore, EachUnreadableValueFallsBackAlone) {
  const std::string nineBytes(9, '\x01');
  const std::string longArray(132, '\x01');
  const struct {
    const char* Name;
    uint32_t Type;
    std::string Data;
  } bad[] = {
      {"AutoStart", RawRegSz, "1\0"},           {"AutoStart", RawRegBinary, Dword(1)},
      {"DatesTimes", RawRegBinary, std::string(264, '\x01')}, {"DatesTimes", RawRegSz, "x\0"},
      {"SysTimes", RawRegBinary, longArray},    {"FreeMems", RawRegDword, Dword(5)},
      {"FreeDisks", RawRegBinary, longArray},   {"CPUTests", RawRegExpandSz, "x\0"},
      {"MemTests", RawRegBinary, longArray},    {"MemTestsW", RawRegBinary, longArray},
      {"StartDate", RawRegDword, Dword(7)},     {"StartDate", RawRegBinary, nineBytes},
      {"StartDate", RawRegBinary, std::string(4, '\x01')}, {"StartDate", RawRegQword, std::string(8, '\x01')},
      {"ASCount", RawRegBinary, Dword(3)},      {"ASCount", RawRegDword, std::string(2, '\x01')},
      {"DiskTests", RawRegBinary, longArray},   {"DiskTestsW", RawRegSz, "x\0"},
      {"AutoStarts", RawRegSz, "5\0"},          {"ShowLength", RawRegBinary, Dword(9)},
      {"ShowDateTime", RawRegSz, "0\0"},        {"DiskTest", RawRegBinary, Dword(1)},
      {"DiskTest0", RawRegQword, std::string(8, '\0')}, {"FixedFont", RawRegSz, "1\0"},
      {"FontName", RawRegDword, Dword(1)},      {"FontName", RawRegBinary, "Arial"},
  };
  const TSettingsHistory rich = Rich();
  for (bool autoStart : {false, true}) {
    for (const auto& row : bad) {
      SCOPED_TRACE(std::string(row.Name) + (autoStart ? ", automatic start" : ", manual start"));
      SharedRegistry->DeleteKey("\\Software\\Zedna");
      SaveSettings(rich, nullptr, true);
      Plant(row.Name, row.Type, row.Data);

      const TSettingsHistory loaded = LoadFresh(nullptr, autoStart);
      TSettingsHistory fallback;  // the initial record, after the follow-up steps
      fallback.StartDate = Today;
      auto expected = Stored(rich);
      const std::string name = row.Name;
      expected[name] = Stored(fallback)[name];
      expected["ASCount"] = std::to_string((name == "ASCount" ? 1 : rich.ASCount) + (autoStart ? 1 : 0));
      expected["ShowDateTimeNext"] = expected["ShowDateTime"];
      EXPECT_EQ(Stored(loaded), expected);
    }
  }
}

TEST_F(SettingsStore, ShowLengthOutsideFiveToFifteenBecomesSix) {
  const struct {
    int32_t Stored, Loaded;
  } table[] = {{4, 6}, {5, 5}, {15, 15}, {16, 6}, {0, 6}, {-1, 6}, {INT32_MAX, 6}};
  for (const auto& row : table) {
    Plant("ShowLength", RawRegDword, Dword(row.Stored));
    EXPECT_EQ(LoadFresh().ShowLength, row.Loaded) << row.Stored;
  }
}

TEST_F(SettingsStore, ShortArrayFillsOnlyItsLeadingEntries) {
  std::string eighty(80, '\0');
  for (int i = 0; i < 10; ++i) {
    double d = 45000 + i;
    std::memcpy(eighty.data() + 8 * i, &d, 8);
  }
  Plant("DatesTimes", RawRegBinary, eighty);
  Plant("SysTimes", RawRegQword, Dword(77) + Dword(78));  // a type the registry object does not classify
  const TSettingsHistory s = LoadFresh();
  for (int i = 0; i < HistorySize; ++i) EXPECT_EQ(s.DatesTimes[i], i < 10 ? 45000 + i : 0) << i;
  EXPECT_EQ(s.SysTimes[0], 77);
  EXPECT_EQ(s.SysTimes[1], 78);
  EXPECT_EQ(s.SysTimes[2], 0);
}

TEST_F(SettingsStore, HeartFromALongerListLeavesThePickerAndLoadsTheRest) {
  Plant("Heart", RawRegBinary, std::string(4 * 40, '\xFF'));
  Plant("ShowLength", RawRegDword, Dword(9));
  Plant("FontName", RawRegSz, std::string("Georgia\0", 8));
  TSmartRand picker(1071);
  picker.UsedWords()[0] = 0x5u;
  const auto before = picker.UsedWords();
  const TSettingsHistory s = LoadFresh(&picker);
  EXPECT_EQ(picker.UsedWords(), before);
  EXPECT_EQ(s.ShowLength, 9);
  EXPECT_EQ(s.FontName, "Georgia");
}

TEST_F(SettingsStore, ShorterHeartFillsLeadingWordsAndTheTailIsMarkedAgain) {
  // Saved by a build with fewer proverbs: the tail bits of this build's last word were clear.
  Plant("Heart", RawRegBinary, Dword(0x11) + Dword(0x22));
  TSmartRand picker(70);  // 3 words, 6 meaningful bits in the last
  const TSettingsHistory s = LoadFresh(&picker);
  (void)s;
  ASSERT_EQ(picker.UsedWords().size(), 3u);
  EXPECT_EQ(picker.UsedWords()[0], 0x11u);
  EXPECT_EQ(picker.UsedWords()[1], 0x22u);
  EXPECT_EQ(picker.UsedWords()[2], 0xFFFFFFC0u);

  Plant("Heart", RawRegBinary, Dword(0) + Dword(0) + Dword(0));  // tail bits cleared in the store
  LoadFresh(&picker);
  EXPECT_EQ(picker.UsedWords()[2], 0xFFFFFFC0u);
}

TEST_F(SettingsStore, FontNameIsWrittenOnlyWhenTheFixedFontBoxIsTicked) {
  TSettingsHistory s = Rich();
  SaveSettings(s, nullptr, true);
  s.FontName = "Comic Sans MS";  // this start's random face
  SaveSettings(s, nullptr, false);
  const TSettingsHistory back = LoadFresh();
  EXPECT_EQ(back.FontName, "Georgia");
  EXPECT_FALSE(back.FixedFont);
}

TEST_F(SettingsStore, ShowDateTimeIsSavedFromTheNextStartsChoice) {
  TSettingsHistory s = Rich();
  s.ShowDateTime = false;
  s.ShowDateTimeNext = true;
  SaveSettings(s, nullptr, false);
  EXPECT_TRUE(LoadFresh().ShowDateTime);
}

TEST_F(SettingsStore, FailuresAreSwallowed) {
  Memory->FailWrites(true);
  EXPECT_NO_THROW(SaveSettings(Rich(), nullptr, true));
  Memory->FailWrites(false);
  EXPECT_FALSE(SharedRegistry->HasCurrentKey());
  uint32_t type;
  std::string data;
  EXPECT_FALSE(Memory->Peek(RootKey::CurrentUser, Key, "AutoStart", type, data));

  // A key that cannot be opened loads like an empty one.
  SaveSettings(Rich(), nullptr, true);
  Memory->FailOpens(true);
  TSettingsHistory expected;
  expected.StartDate = Today;
  expected.ShowDateTimeNext = true;
  EXPECT_EQ(Stored(LoadFresh()), Stored(expected));
}
}  // namespace
