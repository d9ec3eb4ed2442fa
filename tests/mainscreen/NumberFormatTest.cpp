#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const TFormatSettings Russian{"\xA0", ","};
const TFormatSettings English{",", "."};

TEST(FormatN, GroupsThousandsAndRoundsHalvesAwayFromZero) {
  struct Row {
    double Value;
    int Decimals;
    std::string Text;
  };
  for (const Row& r : std::vector<Row>{
           {0, 1, "0,0"},
           {0.04, 1, "0,0"},
           {0.05, 1, "0,1"},
           {0.25, 1, "0,3"},   // exactly half in binary too
           {0.35, 1, "0,4"},   // just below half in binary, half as written
           {1234.35, 1, "1\xA0" "234,4"},
           {999.95, 1, "1\xA0" "000,0"},
           {999.949, 1, "999,9"},
           {256.0009765625, 1, "256,0"},
           {2147483647 / 1024.0, 1, "2\xA0" "097\xA0" "152,0"},
           {1234567, 0, "1\xA0" "234\xA0" "567"},
           {999.5, 0, "1\xA0" "000"},
           {123, 0, "123"},
           {12345.678, 2, "12\xA0" "345,68"},
           {-1234.5, 1, "-1\xA0" "234,5"},
           {-0.04, 1, "0,0"},
           {1e15, 1, "1\xA0" "000\xA0" "000\xA0" "000\xA0" "000\xA0" "000,0"},
       })
    EXPECT_EQ(FormatN(r.Value, r.Decimals, Russian), r.Text) << r.Value;
}

TEST(FormatN, UsesTheSeparatorsItIsGiven) {
  EXPECT_EQ(FormatN(1234567.25, 1, English), "1,234,567.3");
  EXPECT_EQ(FormatN(1234567.25, 1, TFormatSettings{"", ","}), "1234567,3");
  EXPECT_EQ(FormatN(1234567, 0, TFormatSettings{"'", "."}), "1'234'567");
}

TEST(FormatN, NamesValuesThatAreNoNumbers) {
  EXPECT_EQ(FormatN(std::numeric_limits<double>::quiet_NaN(), 1, Russian), "NAN");
  EXPECT_EQ(FormatN(std::numeric_limits<double>::infinity(), 1, Russian), "INF");
  EXPECT_EQ(FormatN(-std::numeric_limits<double>::infinity(), 1, Russian), "-INF");
}

}  // namespace
