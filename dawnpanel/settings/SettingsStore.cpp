#include "dawnpanel/settings/SettingsStore.h"

#include <vector>

#include "common/Environment.h"

namespace {
Registry& Reg() { return *SharedRegistry; }

// Runs one read; a registry error leaves the field untouched.
template <class F>
void Try(F read) {
  try {
    read();
  } catch (const ERegistryException&) {
  }
}

void ReadInt(const char* name, int32_t& field) {
  Try([&] {
    if (Reg().ValueExists(name)) field = Reg().ReadInteger(name);
  });
}

void ReadBool(const char* name, bool& field) {
  Try([&] {
    if (Reg().ValueExists(name)) field = Reg().ReadBool(name);
  });
}

// A shorter value fills the array from its start; a longer one is refused whole.
template <class T>
void ReadArray(const char* name, History<T>& field) {
  Try([&] {
    if (!Reg().ValueExists(name)) return;
    History<T> copy = field;
    Reg().ReadBinaryData(name, copy.data(), sizeof copy);
    field = copy;
  });
}

template <class T>
void WriteArray(const char* name, const History<T>& field) {
  Reg().WriteBinaryData(name, field.data(), sizeof field);
}
}  // namespace

void LoadSettings(TSettingsHistory& s, TSmartRand* picker, bool autoStartLaunch, double now) {
  Try([] { OpenSettingsKey(); });
  ReadBool("AutoStart", s.AutoStart);
  ReadArray("DatesTimes", s.DatesTimes);
  ReadArray("SysTimes", s.SysTimes);
  ReadArray("FreeMems", s.FreeMems);
  ReadArray("FreeDisks", s.FreeDisks);
  ReadArray("CPUTests", s.CPUTests);
  ReadArray("MemTests", s.MemTests);
  ReadArray("MemTestsW", s.MemTestsW);
  Try([&] {
    if (!Reg().ValueExists("StartDate")) return;
    RegDataInfo info;
    Reg().GetDataInfo("StartDate", info);
    if (info.Type != RegDataType::Binary || info.Size != sizeof(double))
      throw ERegistryException("StartDate is not a date");
    double date = 0;
    Reg().ReadBinaryData("StartDate", &date, sizeof date);
    s.StartDate = date;
  });
  ReadInt("ASCount", s.ASCount);
  if (autoStartLaunch) ++s.ASCount;
  ReadArray("DiskTests", s.DiskTests);
  ReadArray("DiskTestsW", s.DiskTestsW);
  Try([&] {
    if (Reg().ValueExists("AutoStarts")) s.AutoStarts = static_cast<uint32_t>(Reg().ReadInteger("AutoStarts"));
  });
  if (picker) {
    Try([&] {
      if (!Reg().ValueExists("Heart")) return;
      // Read into a copy: a refused value leaves the picker's cycle as it is.
      std::vector<uint32_t> words = picker->UsedWords();
      Reg().ReadBinaryData("Heart", words.data(), static_cast<uint32_t>(words.size() * 4));
      picker->UsedWords() = words;
    });
    picker->MarkTail();
  }
  ReadInt("ShowLength", s.ShowLength);
  if (s.ShowLength < 5 || s.ShowLength > 15) s.ShowLength = 6;
  ReadBool("ShowDateTime", s.ShowDateTime);
  s.ShowDateTimeNext = s.ShowDateTime;
  ReadBool("DiskTest", s.DiskTest);
  ReadBool("DiskTest0", s.DiskTest0);
  s.FixedFont = false;
  ReadBool("FixedFont", s.FixedFont);
  s.FontName.clear();
  Try([&] {
    if (Reg().ValueExists("FontName")) s.FontName = Reg().ReadString("FontName");
  });
  Try([] { Reg().CloseKey(); });
  if (s.StartDate == 0) s.StartDate = now;
}

void SaveSettings(const TSettingsHistory& s, const TSmartRand* picker, bool fixedFontChecked) {
  try {
    OpenSettingsKey();
    Reg().WriteBool("AutoStart", s.AutoStart);
    WriteArray("DatesTimes", s.DatesTimes);
    WriteArray("SysTimes", s.SysTimes);
    WriteArray("FreeMems", s.FreeMems);
    WriteArray("FreeDisks", s.FreeDisks);
    WriteArray("CPUTests", s.CPUTests);
    WriteArray("MemTests", s.MemTests);
    WriteArray("MemTestsW", s.MemTestsW);
    WriteArray("DiskTestsW", s.DiskTestsW);
    WriteArray("DiskTests", s.DiskTests);
    Reg().WriteInteger("ASCount", s.ASCount);
    Reg().WriteBinaryData("StartDate", &s.StartDate, sizeof s.StartDate);
    Reg().WriteInteger("AutoStarts", static_cast<int32_t>(s.AutoStarts));
    if (picker && picker->WordCount() > 0) {
      const auto& words = picker->UsedWords();
      Reg().WriteBinaryData("Heart", words.data(), static_cast<uint32_t>(words.size() * 4));
    }
    Reg().WriteInteger("ShowLength", s.ShowLength);
    Reg().WriteBool("ShowDateTime", s.ShowDateTimeNext);
    Reg().WriteBool("DiskTest", s.DiskTest);
    Reg().WriteBool("DiskTest0", s.DiskTest0);
    Reg().WriteBool("FixedFont", fixedFontChecked);
    if (fixedFontChecked) Reg().WriteString("FontName", s.FontName);
  } catch (const ERegistryException&) {
    // Nothing to tell the user at exit; what was written before the failure stays.
  }
  Try([] { Reg().CloseKey(); });
}
