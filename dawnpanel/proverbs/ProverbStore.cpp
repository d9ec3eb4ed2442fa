#include "dawnpanel/proverbs/ProverbStore.h"

#include "dawnpanel/proverbs/SmartRand.h"

std::string Unscramble(std::string_view Source, uint32_t Key) {
  std::string result(Source.size(), '\0');
  UnscrambleInto(Source, Key, result.data());
  return result;
}

int32_t CountProverbs() { return CountProverbs(ProverbList); }

std::string_view FindProverbEntry(std::string_view list, int32_t k) {
  if (k < 1) return {};
  size_t p = 1;  // just after the leading separator
  for (int32_t skip = k - 1; skip > 0; ++p) {
    if (p >= list.size()) return {};
    if (IsProverbSeparator(list[p])) --skip;
  }
  size_t end = p;
  while (end < list.size() && !IsProverbSeparator(list[end])) ++end;
  // Without a separator after it, the bytes are not an entry but the end of a broken list.
  if (end >= list.size()) return {};
  return list.substr(p, end - p);
}

std::string ProverbText(std::string_view list, int32_t k) { return Unscramble(FindProverbEntry(list, k), EntryKey(k)); }

std::string PrepareProverbForDisplay(std::string_view text) {
  std::string result;
  result.reserve(text.size() * 2);
  for (char c : text) {
    result += c;
    if (c == ' ') result += ' ';
  }
  // а..я are 0xE0..0xFF in code page 1251, their upper-case forms 0x20 lower; ё stays as it is.
  if (!result.empty() && static_cast<unsigned char>(result[0]) >= 0xE0)
    result[0] = static_cast<char>(static_cast<unsigned char>(result[0]) - 0x20);
  return result;
}

std::string GetProverb(std::string_view list, TSmartRand& picker) {
  return PrepareProverbForDisplay(ProverbText(list, picker.Next()));
}

std::string GetProverb() { return ProverbPicker ? GetProverb(ProverbList, *ProverbPicker) : std::string(); }
