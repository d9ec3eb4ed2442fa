#include "dawnpanel/proverbs/ProverbStore.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <bitset>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Version.h"
#include "common/Random.h"
#include "dawnpanel/proverbs/ProverbBuilder.h"
#include "dawnpanel/proverbs/SmartRand.h"

namespace {

// A text's proverbs as the build takes them: lines counted as for the version, trimmed.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachProverbLine(SplitProverbText(text), [&](std::string_view line, int32_t) { lines.emplace_back(line); });
  return lines;
}

ProverbTextReport CheckText(std::string_view text) { return CheckProverbLines(SplitProverbText(text)); }

// A list made by hand, without the builder: entry k scrambled with the base to the power k + 1,
// separators given one by one.
std::string HandMadeList(const std::vector<std::string>& entries, std::string_view separators) {
  std::string list(1, separators[0]);
  for (size_t k = 1; k <= entries.size(); ++k)
    list += Unscramble(entries[k - 1], IntPower(ProverbKeyBase, static_cast<uint32_t>(k + 1))) + separators[k];
  return list;
}

TEST(ProverbStore, UnscrambleSwapsOrFlipsPairsByKeyBits) {
  struct Row {
    std::string Source;
    uint32_t Key;
    std::string Result;
  };
  std::string pairs;
  for (int i = 0; i < 33; ++i) pairs += "AB";
  auto repeat = [](const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
  };
  // 'A' ^ 1 = '@', 'B' ^ 1 = 'C'; swapped with ^ 4: "AB" -> "FE"; a last odd byte ^ 2: 'C' -> 'A'.
  for (const Row& r : std::vector<Row>{
           {"", 0xFFFFFFFFu, ""},
           {"C", 0u, "A"},
           {"AB", 1u, "@C"},
           {"AB", 0u, "FE"},
           {"ABC", 1u, "@CA"},
           {"ABC", 0u, "FEA"},
           {"ABAB", 2u, "FE@C"},
           {pairs, 1u, "@C" + repeat("FE", 31) + "@C"},                 // key bits repeat every 32 pairs
           {pairs, 0x80000000u, repeat("FE", 31) + "@C" + "FE"},
           {"\xE0\xFF\xB8", 0u, "\xFB\xE4\xBA"},                        // а я ё
       }) {
    EXPECT_EQ(Unscramble(r.Source, r.Key), r.Result) << r.Source << " with key " << r.Key;
  }
}

TEST(ProverbStore, UnscrambleTwiceGivesTheInputBack) {
  std::mt19937 gen(5);
  for (size_t length = 0; length <= 140; ++length) {
    std::string source(length, '\0');
    for (char& c : source) c = static_cast<char>(gen());
    const uint32_t key = gen();
    const std::string once = Unscramble(source, key);
    ASSERT_EQ(once.size(), length);
    EXPECT_EQ(Unscramble(once, key), source) << "length " << length << ", key " << key;
  }
}

TEST(ProverbStore, IntPowerWrapsToThirtyTwoBits) {
  struct Row {
    uint32_t Base, Exponent, Result;
  };
  for (const Row& r : std::vector<Row>{
           {12345u, 0u, 1u},
           {0u, 0u, 1u},
           {12345u, 1u, 12345u},
           {0u, 7u, 0u},
           {2u, 31u, 0x80000000u},
           {2u, 32u, 0u},
           {3u, 21u, 1870418611u},  // 10460353203 - 2 x 2^32
           {0xFFFFFFFFu, 2u, 1u},
           {0xFFFFFFFFu, 3u, 0xFFFFFFFFu},
           {0x10000u, 2u, 0u},
       }) {
    EXPECT_EQ(IntPower(r.Base, r.Exponent), r.Result) << r.Base << "^" << r.Exponent;
  }
  // Plain repeated multiplication wraps the same way.
  for (uint32_t base : {3u, 0x2B9F6E35u, 0xDEADBEEFu, 1000u}) {
    uint32_t product = 1;
    for (uint32_t e = 0; e <= 1100; ++e) {
      ASSERT_EQ(IntPower(base, e), product) << base << "^" << e;
      product *= base;
    }
  }
}

TEST(ProverbStore, CountsSeparatorsButTheLastByte) {
  struct Row {
    std::string List;
    int32_t Count;
  };
  for (const Row& r : std::vector<Row>{
           {"", 0},
           {"a", 0},
           {"y", 0},
           {"aXa", 1},
           {"cXYZx", 1},
           {"aXyYa", 2},
           {"pQQxRReSSoTTcUUyVVa", 6},
           {"aXYZ", 1},  // no final separator: its last byte is left out all the same
       }) {
    EXPECT_EQ(CountProverbs(r.List), r.Count) << r.List;
  }
}

const std::vector<std::string> FixtureLines = {
    "Тихий кот на окне ждёт весну",    "ёжик в тумане ищет свою лошадку", "7 гусей плывут по широкой реке",
    "ясный месяц светит над рекой",    "а б",                             "Рыжая лиса хвостом следы метёт",
    "Зелёный луг  росой умыт",         "В",
};

TEST(ProverbStore, FindsEveryEntryWhateverSeparatorEndsIt) {
  for (std::string_view separators : {"aceopxyac", "yxpoecayx", "ppppppppp"}) {
    const std::string list = HandMadeList(FixtureLines, separators);
    const auto n = static_cast<int32_t>(FixtureLines.size());
    ASSERT_EQ(CountProverbs(list), n) << separators;
    for (int32_t k = 1; k <= n; ++k) {
      EXPECT_EQ(ProverbText(list, k), FixtureLines[static_cast<size_t>(k - 1)]) << "entry " << k;
      EXPECT_EQ(FindProverbEntry(list, k).size(), FixtureLines[static_cast<size_t>(k - 1)].size());
    }
    // The last entry ends right at the final separator; nothing lies beyond it.
    EXPECT_EQ(FindProverbEntry(list, n).data() + FindProverbEntry(list, n).size(), list.data() + list.size() - 1);
    for (int32_t k : {0, -1, n + 1, n + 2, 1000}) EXPECT_TRUE(FindProverbEntry(list, k).empty()) << k;
  }
}

TEST(ProverbStore, BrokenListsGiveNoEntry) {
  for (std::string_view list : {"", "a", "aXYZ"}) EXPECT_TRUE(FindProverbEntry(list, 1).empty()) << list;
  EXPECT_EQ(ProverbText("", 1), "");
}

TEST(ProverbStore, BuilderMakesTheListTheStoreReads) {
  for (const std::string& text : {std::string("а б\n"), std::string("Один\r\n  два  \r\nтри"),
                                  std::string("Тихий кот на окне ждёт весну")}) {
    const std::string list = BuildProverbListText(SplitProverbText(text));
    const std::vector<std::string> lines = SplitLines(text);
    ASSERT_EQ(CountProverbs(list), static_cast<int32_t>(lines.size())) << text;
    EXPECT_TRUE(IsProverbSeparator(list.front()));
    EXPECT_TRUE(IsProverbSeparator(list.back()));
    for (size_t k = 1; k <= lines.size(); ++k)
      EXPECT_EQ(ProverbText(list, static_cast<int32_t>(k)), lines[k - 1]) << text;
  }
  EXPECT_EQ(SplitLines("Один\r\n  два  \r\nтри"), (std::vector<std::string>{"Один", "два", "три"}));
}

TEST(ProverbStore, OddLastByteIsFlippedNeverSwapped) {
  const std::string plain = "Тихий кот";  // 9 bytes
  const std::string list = HandMadeList({plain}, "ax");
  const std::string_view scrambled = FindProverbEntry(list, 1);
  ASSERT_EQ(scrambled.size(), 9u);
  EXPECT_EQ(scrambled.back(), static_cast<char>(plain.back() ^ 0x02));
  EXPECT_EQ(ProverbText(list, 1), plain);
}

TEST(ProverbStore, PreparesTextForDisplay) {
  struct Row {
    std::string Text, Shown;
  };
  for (const Row& r : std::vector<Row>{
           {"а б", "А  б"},
           {"ясно", "Ясно"},
           {"Ясно", "Ясно"},
           {"ёжик", "ёжик"},
           {"Ёжик", "Ёжик"},
           {"7 гусей", "7  гусей"},
           {"юг  и север", "Юг    и  север"},
           {" а ", "  а  "},
           {"abc", "abc"},
           {"", ""},
       }) {
    EXPECT_EQ(PrepareProverbForDisplay(r.Text), r.Shown) << r.Text;
  }
}

TEST(ProverbStore, GetProverbDrawsThroughThePicker) {
  const std::string single = HandMadeList({"а б"}, "ae");
  TSmartRand one(1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(GetProverb(single, one), "А  б");

  const std::string list = HandMadeList(FixtureLines, "aceopxyac");
  const auto n = static_cast<int32_t>(FixtureLines.size());
  std::set<std::string> expected;
  for (const std::string& line : FixtureLines) expected.insert(PrepareProverbForDisplay(line));
  RandSeed(21);
  TSmartRand picker(n);
  for (int cycle = 0; cycle < 3; ++cycle) {
    std::set<std::string> shown;
    for (int32_t i = 0; i < n; ++i) shown.insert(GetProverb(list, picker));
    EXPECT_EQ(shown, expected) << "cycle " << cycle;
  }
}

TEST(ProverbStore, NoPickerOrEmptyPickerGivesNoText) {
  void (*savedReport)() = ReportEmptyPicker;
  ReportEmptyPicker = nullptr;
  TSmartRand empty(0);
  EXPECT_EQ(GetProverb(HandMadeList(FixtureLines, "aaaaaaaaa"), empty), "");
  ReportEmptyPicker = savedReport;

  std::unique_ptr<TSmartRand> saved = std::move(ProverbPicker);
  EXPECT_EQ(GetProverb(), "");
  ProverbPicker = std::move(saved);
}

// The build-time checks, run over small texts: each rule names the first line breaking it.
TEST(ProverbBuilder, ReportsTheFirstLineBreakingEachRule) {
  const std::string good = "Тихий кот на окне ждёт весну\n";
  const std::string good2 = "Рыжая лиса хвостом следы метёт\n";
  struct Row {
    std::string Text;
    int32_t ProverbTextReport::*Field;
    int32_t Line;
  };
  for (const Row& r : std::vector<Row>{
           {good + "Короткая\n", &ProverbTextReport::ShortLine, 2},
           {good + "Ровно четырнад\n", &ProverbTextReport::ShortLine, 2},
           {good + "Ровно пятнадцат\n", &ProverbTextReport::ShortLine, 0},
           {good + good2 + std::string(65, '\xE0') + "\n", &ProverbTextReport::LongLine, 3},
           {good + std::string(64, '\xE0') + "\n", &ProverbTextReport::LongLine, 0},
           {good + "\n" + good2, &ProverbTextReport::EmptyLine, 2},
           {good + "   \r\n" + good2, &ProverbTextReport::EmptyLine, 2},
           {good + "Тихий кот\tна окне ждёт весну\n", &ProverbTextReport::ControlLine, 2},
           {good + "Тихий кот\xA0на окне ждёт весну\n", &ProverbTextReport::ControlLine, 2},
           {good2 + "Тихий кoт на окне ждёт весну\n", &ProverbTextReport::LatinLetterLine, 2},  // Latin o
           {"Тихий Kот на окне ждёт весну\n", &ProverbTextReport::LatinLetterLine, 1},          // Latin K
           {good + "Тихий кот на  окне ждёт весну!\n", &ProverbTextReport::DoubleSpaceLine, 2},
           {"`Тихий кот на окне ждёт весну\n", &ProverbTextReport::ScrambledSeparatorLine, 1},
           {good + good2 + "тихий КОТ на окне — ждет весну!\n", &ProverbTextReport::DuplicateLine, 3},
           {good2 + good + good2 + good, &ProverbTextReport::DuplicateLine, 3},
           {good + "Тихий кот на окне ждёт лето\n", &ProverbTextReport::DuplicateLine, 0},
       }) {
    EXPECT_EQ(CheckText(r.Text).*r.Field, r.Line) << r.Text;
  }
}

TEST(ProverbBuilder, SameWordsIgnoreCasePunctuationAndYo) {
  struct Row {
    std::string A, B;
    bool Same;
  };
  for (const Row& r : std::vector<Row>{
           {"Тихий кот, ждёт весну", "тихий КОТ — ждет весну!", true},
           {"Ёж", "еж", true},
           {"а б", "аб", true},
           {"7 гусей", "7 гусей.", true},
           {"7 гусей", "8 гусей", false},
           {"Тихий кот", "Тихий кот ждёт", false},
           {"Тихий кот ждёт", "Тихий кот", false},
           {"кот", "кит", false},
           {"", "", true},
       }) {
    EXPECT_EQ(SameProverbWords(r.A, r.B), r.Same) << r.A << " / " << r.B;
    EXPECT_EQ(SameProverbWords(r.B, r.A), r.Same) << r.B << " / " << r.A;
    if (r.Same) {
      EXPECT_EQ(ProverbWordsHash(r.A), ProverbWordsHash(r.B)) << r.A;
    }
  }
}

TEST(ProverbBuilder, CleanTextPassesAndCountsLinesAsTheVersionDoes) {
  struct Row {
    std::string Text;
    int32_t Lines;
  };
  const std::string a = "Тихий кот на окне ждёт весну", b = "Рыжая лиса хвостом следы метёт";
  for (const Row& r : std::vector<Row>{
           {"", 0},
           {a, 1},
           {a + "\n", 1},
           {a + "\r\n" + b + "\r\n", 2},
           {"  " + a + " \t\n" + b, 2},
       }) {
    const ProverbTextReport report = CheckText(r.Text);
    EXPECT_EQ(report.Lines, r.Lines) << r.Text;
    for (int32_t ProverbTextReport::*field :
         {&ProverbTextReport::EmptyLine, &ProverbTextReport::ShortLine, &ProverbTextReport::LongLine,
          &ProverbTextReport::ControlLine, &ProverbTextReport::LatinLetterLine, &ProverbTextReport::DoubleSpaceLine,
          &ProverbTextReport::ScrambledSeparatorLine, &ProverbTextReport::DuplicateLine})
      EXPECT_EQ(report.*field, 0) << r.Text;
    EXPECT_EQ(report.ListSize, BuildProverbListText(SplitProverbText(r.Text)).size() + 1);
  }
  // A trailing empty line is a line of its own, for the version as for the list.
  EXPECT_EQ(CheckText(a + "\n\n").Lines, 2);
  EXPECT_EQ(CheckText(a + "\n\n").EmptyLine, 2);
}

// ---- The program's own list, against Proverbs.txt read here.

std::string ToCodePage1251(const std::string& utf8) {
  iconv_t cd = iconv_open("CP1251", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 to CP1251 conversion");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("text not convertible to CP1251: " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Proverbs.txt as UTF-8 lines, without CR and surrounding blanks.
std::vector<std::string> FileLinesUtf8() {
  std::string text = ReadFile(DP_PROVERB_TEXT_FILE);
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  return SplitLines(text);
}

TEST(ProgramProverbs, EveryEntryIsItsLineOfTheTextFile) {
  const std::vector<std::string> lines = FileLinesUtf8();
  ASSERT_GT(lines.size(), 0u) << "cannot read " << DP_PROVERB_TEXT_FILE;
  ASSERT_EQ(CountProverbs(), static_cast<int32_t>(lines.size()));
  EXPECT_EQ(CountProverbs(), DP_PROVERB_LINES);
  for (size_t k = 1; k <= lines.size(); ++k) {
    const std::string text = ProverbText(ProverbList, static_cast<int32_t>(k));
    EXPECT_EQ(text, ToCodePage1251(lines[k - 1])) << "line " << k << ": " << lines[k - 1];
    EXPECT_GE(text.size(), MinProverbLength) << "line " << k;
    EXPECT_LE(text.size(), MaxProverbLength) << "line " << k;
  }
  EXPECT_TRUE(FindProverbEntry(ProverbList, CountProverbs() + 1).empty());
}

TEST(ProgramProverbs, VersionComesFromTheCount) {
  const int32_t count = CountProverbs();
  EXPECT_EQ(std::string(DP_VERSION_TEXT), std::to_string(count));
  // File version: the last four decimal digits of the count, one per field (1071 -> 1.0.7.1).
  std::string digits = std::to_string(count);
  digits.insert(0, digits.size() < 4 ? 4 - digits.size() : 0, '0');
  digits = digits.substr(digits.size() - 4);
  const int fields[] = {DP_FILE_VERSION};
  std::string dotted;
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(fields[i], digits[i] - '0') << "field " << i;
    dotted += std::string(i ? "." : "") + digits[i];
  }
  EXPECT_EQ(std::string(DP_FILE_VERSION_TEXT), dotted);
}

TEST(ProgramProverbs, GetProverbShowsTheListWithoutRepeats) {
  std::set<std::string> shownForms;
  for (const std::string& line : FileLinesUtf8()) shownForms.insert(PrepareProverbForDisplay(ToCodePage1251(line)));
  std::unique_ptr<TSmartRand> saved = std::move(ProverbPicker);
  RandSeed(31);
  ProverbPicker = std::make_unique<TSmartRand>(CountProverbs());
  std::set<std::string> shown;
  for (int32_t i = 0; i < CountProverbs() / 2; ++i) {
    const std::string text = GetProverb();
    EXPECT_TRUE(shownForms.count(text)) << "not a proverb of the list: " << text;
    EXPECT_TRUE(shown.insert(text).second) << "shown twice: " << text;
  }
  ProverbPicker = std::move(saved);
}

// Offsets in data where one of the needles starts.
std::vector<size_t> FindAny(std::string_view data, const std::vector<std::string>& needles) {
  std::bitset<65536> firstTwo;
  std::multimap<std::string_view, const std::string*> byPrefix;
  for (const std::string& n : needles) {
    if (n.size() < 2) continue;
    firstTwo.set(static_cast<unsigned char>(n[0]) * 256u + static_cast<unsigned char>(n[1]));
    byPrefix.emplace(std::string_view(n).substr(0, 2), &n);
  }
  std::vector<size_t> hits;
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    if (!firstTwo.test(static_cast<unsigned char>(data[i]) * 256u + static_cast<unsigned char>(data[i + 1]))) continue;
    auto [from, to] = byPrefix.equal_range(data.substr(i, 2));
    for (auto it = from; it != to; ++it)
      if (data.substr(i, it->second->size()) == *it->second) hits.push_back(i);
  }
  return hits;
}

TEST(ProgramProverbs, NoProverbStandsPlainInTheProgram) {
  std::vector<std::string> needles;
  for (const std::string& line : FileLinesUtf8()) {
    needles.push_back(ToCodePage1251(line));
    needles.push_back(line);
  }
  // The search finds a proverb planted among other bytes ...
  const std::string planted = std::string("\x01\x02 noise ") + needles[2] + "\xFF more";
  EXPECT_EQ(FindAny(planted, needles), std::vector<size_t>{9});
  // ... and none in this very program, which carries the list.
  const std::string self = ReadFile("/proc/self/exe");
  ASSERT_GT(self.size(), 100000u);
  ASSERT_NE(CountProverbs(), 0);
  for (size_t at : FindAny(self, needles)) ADD_FAILURE() << "plain proverb text at offset " << at;
}

}  // namespace
