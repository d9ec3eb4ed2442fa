#pragma once
// Turns the readable proverbs (one a line, already in code page 1251) into the scrambled list and
// finds whatever would make a bad list. ProverbList.cpp runs it at compile time over the lines of
// Proverbs.txt; the tests run it over small texts of their own.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dawnpanel/proverbs/ProverbStore.h"

// The list's own rule; the store itself would take 1 to 255 bytes.
inline constexpr size_t MinProverbLength = 15;
inline constexpr size_t MaxProverbLength = 64;

using ProverbLines = std::span<const std::string_view>;

// Splits a text into lines as CMake's file(STRINGS) counts them for the version: a final line
// break does not start another line.
constexpr std::vector<std::string_view> SplitProverbText(std::string_view text) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Spaces, tabs and the CR of a CRLF file are no part of a proverb.
constexpr std::string_view TrimProverbLine(std::string_view line) {
  constexpr std::string_view blanks = " \t\r";
  const size_t first = line.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

// Calls f(line, number) for every trimmed line, numbered from 1.
template <class F>
constexpr void ForEachProverbLine(ProverbLines lines, F f) {
  for (size_t i = 0; i < lines.size(); ++i) f(TrimProverbLine(lines[i]), static_cast<int32_t>(i + 1));
}

// Bytes of the built list: leading separator, each entry with its separator, terminating zero.
constexpr size_t ProverbListSize(ProverbLines lines) {
  size_t size = 2;
  ForEachProverbLine(lines, [&](std::string_view line, int32_t) { size += line.size() + 1; });
  return size;
}

// Writes the scrambled list to out (ProverbListSize(lines) bytes). The separators take turns, so
// every one of them really stands somewhere in the program's list.
constexpr void WriteProverbList(ProverbLines lines, char* out) {
  size_t p = 0;
  out[p++] = ProverbSeparators[0];
  ForEachProverbLine(lines, [&](std::string_view line, int32_t k) {
    UnscrambleInto(line, EntryKey(k), out + p);
    p += line.size();
    out[p++] = ProverbSeparators[static_cast<size_t>(k) % ProverbSeparators.size()];
  });
  out[p] = '\0';
}

template <size_t Size>
constexpr std::array<char, Size> BuildProverbList(ProverbLines lines) {
  std::array<char, Size> list{};
  WriteProverbList(lines, list.data());
  return list;
}

// The list without its terminating zero, as the store reads it.
inline std::string BuildProverbListText(ProverbLines lines) {
  std::string list(ProverbListSize(lines), '\0');
  WriteProverbList(lines, list.data());
  list.pop_back();
  return list;
}

// What the lines hold; each ...Line field is the first line breaking that rule, 0 when none does.
struct ProverbTextReport {
  int32_t Lines = 0;
  size_t ListSize = 0;
  int32_t EmptyLine = 0;
  int32_t ShortLine = 0;             // under MinProverbLength characters
  int32_t LongLine = 0;              // over MaxProverbLength characters
  int32_t ControlLine = 0;           // a control character or a non-breaking space
  int32_t LatinLetterLine = 0;       // in a Russian list, a look-alike of a Cyrillic letter
  int32_t DoubleSpaceLine = 0;       // would show as four spaces
  int32_t ScrambledSeparatorLine = 0;  // a scrambled byte would be a separator or zero
  int32_t DuplicateLine = 0;         // the later line of a pair with the same words
};

// A line's words only: letters folded to lower case, ё read as е, digits kept, the rest dropped
// (-1), so "Делу время, потехе час" and "Делу время — потехе час." are one proverb.
constexpr int ProverbWordByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 0xC0 && b <= 0xDF) return b + 0x20;
  if (b >= 0xE0) return b;
  if (b == 0xA8 || b == 0xB8) return 0xE5;
  if (b >= 'A' && b <= 'Z') return b + 0x20;
  if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) return b;
  return -1;
}

constexpr bool SameProverbWords(std::string_view x, std::string_view y) {
  size_t i = 0, j = 0;
  for (;;) {
    while (i < x.size() && ProverbWordByte(x[i]) < 0) ++i;
    while (j < y.size() && ProverbWordByte(y[j]) < 0) ++j;
    if (i == x.size() || j == y.size()) return i == x.size() && j == y.size();
    if (ProverbWordByte(x[i++]) != ProverbWordByte(y[j++])) return false;
  }
}

// FNV-1a over the words; 0 for a line without any.
constexpr uint64_t ProverbWordsHash(std::string_view line) {
  uint64_t hash = 0xCBF29CE484222325u;
  bool any = false;
  for (char c : line) {
    const int b = ProverbWordByte(c);
    if (b < 0) continue;
    any = true;
    hash = (hash ^ static_cast<uint64_t>(b)) * 0x100000001B3u;
  }
  return any ? hash : 0;
}

constexpr ProverbTextReport CheckProverbLines(ProverbLines lines) {
  ProverbTextReport report;
  report.ListSize = ProverbListSize(lines);
  auto note = [](int32_t& field, int32_t line) {
    if (field == 0) field = line;
  };

  // Lines with the same words have the same hash; sorting brings them together.
  struct Words {
    uint64_t Hash;
    std::string_view Line;
    int32_t Number;
  };
  std::vector<Words> words;
  words.reserve(report.ListSize / MinProverbLength);

  report.Lines = static_cast<int32_t>(lines.size());
  ForEachProverbLine(lines, [&](std::string_view line, int32_t k) {
    if (line.empty()) note(report.EmptyLine, k);
    else if (line.size() < MinProverbLength) note(report.ShortLine, k);
    if (line.size() > MaxProverbLength) note(report.LongLine, k);
    for (size_t i = 0; i < line.size(); ++i) {
      const auto b = static_cast<unsigned char>(line[i]);
      if (b < 0x20 || b == 0x7F || b == 0xA0) note(report.ControlLine, k);
      if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) note(report.LatinLetterLine, k);
      if (b == ' ' && i > 0 && line[i - 1] == ' ') note(report.DoubleSpaceLine, k);
    }
    if (line.size() <= MaxProverbLength) {  // a longer line fails anyway
      char scrambled[MaxProverbLength];
      UnscrambleInto(line, EntryKey(k), scrambled);
      for (size_t i = 0; i < line.size(); ++i)
        if (scrambled[i] == '\0' || IsProverbSeparator(scrambled[i])) note(report.ScrambledSeparatorLine, k);
    }
    if (const uint64_t hash = ProverbWordsHash(line)) words.push_back({hash, line, k});
  });

  std::sort(words.begin(), words.end(), [](const Words& a, const Words& b) {
    return a.Hash < b.Hash || (a.Hash == b.Hash && a.Number < b.Number);
  });
  for (size_t i = 0; i < words.size(); ++i)
    for (size_t j = i + 1; j < words.size() && words[j].Hash == words[i].Hash; ++j)
      if (SameProverbWords(words[i].Line, words[j].Line) &&
          (report.DuplicateLine == 0 || words[j].Number < report.DuplicateLine))
        report.DuplicateLine = words[j].Number;
  return report;
}
