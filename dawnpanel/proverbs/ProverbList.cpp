// The program's proverb list, built from Proverbs.txt while compiling. The plain text lives only
// in a consteval function, so it never reaches the object file; a bad line stops the build, and
// the note under the failed assertion ("the comparison reduces to (N == 0)") names the line.
#include "ProverbSource.h"
#include "Version.h"
#include "dawnpanel/proverbs/ProverbBuilder.h"

namespace {

constexpr ProverbTextReport Report = CheckProverbLines(ProverbSourceLines());

static_assert(Report.Lines >= 1, "Proverbs.txt holds no proverb");
static_assert(Report.Lines == DP_PROVERB_LINES, "the version counts another number of lines than the list");
static_assert(Report.EmptyLine == 0, "an empty line in Proverbs.txt");
static_assert(Report.ShortLine == 0, "a proverb in Proverbs.txt is shorter than 15 characters");
static_assert(Report.LongLine == 0, "a proverb in Proverbs.txt is longer than 64 characters");
static_assert(Report.ControlLine == 0, "a control character or non-breaking space in Proverbs.txt");
static_assert(Report.LatinLetterLine == 0, "a Latin letter in Proverbs.txt (a look-alike of a Cyrillic one?)");
static_assert(Report.DoubleSpaceLine == 0, "two spaces in a row in Proverbs.txt");
static_assert(Report.ScrambledSeparatorLine == 0, "a proverb in Proverbs.txt scrambles into a separator or zero byte");
static_assert(Report.DuplicateLine == 0, "a proverb in Proverbs.txt comes twice");

constexpr auto Storage = BuildProverbList<Report.ListSize>(ProverbSourceLines());

static_assert(CountProverbs(std::string_view(Storage.data(), Storage.size() - 1)) == Report.Lines);

}  // namespace

constinit const char* const ProverbList = Storage.data();
