#pragma once
// The proverbs the program carries, lightly scrambled, and the draw of one for display.
// The scrambling primitives are constexpr: the list is built from Proverbs.txt at compile time
// with the very routines that read it back at run time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TSmartRand;

// Bytes that end an entry; any of them may stand at any separator position.
inline constexpr std::string_view ProverbSeparators = "aceopxy";

constexpr bool IsProverbSeparator(char c) { return ProverbSeparators.find(c) != std::string_view::npos; }

// Entry k is scrambled with IntPower(ProverbKeyBase, k + 1). An odd base that is 5 mod 8 has the
// longest cycle of powers modulo 2^32, so the keys keep changing along the whole list.
inline constexpr uint32_t ProverbKeyBase = 0x2B9F6E35u;

// Base^Exponent modulo 2^32.
constexpr uint32_t IntPower(uint32_t Base, uint32_t Exponent) {
  uint32_t result = 1;
  while (Exponent != 0) {
    if (Exponent & 1u) result *= Base;
    Base *= Base;
    Exponent >>= 1;
  }
  return result;
}

constexpr uint32_t EntryKey(int32_t k) { return IntPower(ProverbKeyBase, static_cast<uint32_t>(k) + 1u); }

// Writes Source.size() bytes to Result. Its own inverse, so it scrambles as well.
constexpr void UnscrambleInto(std::string_view Source, uint32_t Key, char* Result) {
  const size_t length = Source.size();
  for (size_t i = 0; i < length / 2; ++i) {
    const char first = Source[2 * i], second = Source[2 * i + 1];
    if ((Key >> (i % 32)) & 1u) {
      Result[2 * i] = static_cast<char>(first ^ 0x01);
      Result[2 * i + 1] = static_cast<char>(second ^ 0x01);
    } else {
      Result[2 * i] = static_cast<char>(second ^ 0x04);
      Result[2 * i + 1] = static_cast<char>(first ^ 0x04);
    }
  }
  if (length % 2 != 0) Result[length - 1] = static_cast<char>(Source[length - 1] ^ 0x02);
}

std::string Unscramble(std::string_view Source, uint32_t Key);

// The program's list: a separator, then every entry followed by a separator, then a zero byte.
extern const char* const ProverbList;

// Separators of the list, leaving out its final byte: the number of entries.
constexpr int32_t CountProverbs(std::string_view list) {
  int32_t count = 0;
  for (size_t i = 0; i + 1 < list.size(); ++i)
    if (IsProverbSeparator(list[i])) ++count;
  return count;
}
int32_t CountProverbs();

// The scrambled bytes of entry k (1-based); empty when the list has no entry k.
std::string_view FindProverbEntry(std::string_view list, int32_t k);
// Entry k as plain CP1251 text.
std::string ProverbText(std::string_view list, int32_t k);
// Every space doubled and a lower-case first letter а..я made upper-case.
std::string PrepareProverbForDisplay(std::string_view text);

// Draws the next entry through the picker and prepares it for display; empty when the picker
// gives no entry of the list.
std::string GetProverb(std::string_view list, TSmartRand& picker);
// The same over the program's list and ProverbPicker.
std::string GetProverb();
