#include "dawnpanel/mainscreen/SpeedTests.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "dawnpanel/mainscreen/Ratio.h"

namespace {

constexpr uint64_t Max64 = std::numeric_limits<uint64_t>::max();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

TEST(RoundedRatio, HalvesGoToEvenAndNothingWraps) {
  struct Row {
    uint64_t A, B, D, Result;
  };
  for (const Row& r : std::vector<Row>{
           {5, 1, 2, 2},      // 2.5
           {7, 1, 2, 4},      // 3.5
           {11, 1, 4, 3},     // 2.75
           {9, 1, 4, 2},      // 2.25
           {0, 7, 3, 0},
           {Max64, 1, 2, uint64_t{1} << 63},  // 2^63 - 0.5: the remainder test must not overflow
           {Max64 - 1, 1, Max64, 1},
           {Max64, 1, Max64, 1},
           {uint64_t{1} << 40, uint64_t{1} << 30, uint64_t{1} << 45, uint64_t{1} << 25},  // 2^70 in between
       })
    EXPECT_EQ(RoundedRatio(r.A, r.B, r.D), r.Result) << r.A << " " << r.B << " " << r.D;
  EXPECT_EQ(RoundedRatio(Max64, Max64, 1), Max64) << "too large for 64 bits: the largest value";
}

TEST(Saturated32, StopsAtTheLargestFieldValue) {
  EXPECT_EQ(Saturated32(0), 0);
  EXPECT_EQ(Saturated32(2147483647), Max32);
  EXPECT_EQ(Saturated32(2147483648u), Max32);
  EXPECT_EQ(Saturated32(Max64), Max32);
}

TEST(TscRate, TicksOfTenMillisecondsGiveTicksAMicrosecond) {
  EXPECT_EQ(TscRateFromTicks(30000000), 3000);  // a 3 GHz processor
  EXPECT_EQ(TscRateFromTicks(30005000), 3000);  // 3000.5
  EXPECT_EQ(TscRateFromTicks(30015000), 3002);  // 3001.5
  EXPECT_EQ(TscRateFromTicks(4999), 0);
  EXPECT_EQ(TscRateFromTicks(0), 0);
  EXPECT_EQ(TscRateFromTicks(-5), 0) << "a counter that went backwards is no counter";
  EXPECT_EQ(TscRateFromTicks(std::numeric_limits<int64_t>::max()), Max32);
}

TEST(CpuTenths, MultiplicationsPerMicrosecondInTenths) {
  // 1500 blocks of 10000 in 50 ms of a 3000 MHz counter: 300 Mflops.
  EXPECT_EQ(CpuTenthsByCounter(1500, 3000, 150000000), 3000.0f);
  EXPECT_EQ(CpuTenthsByCounter(1, 1, 40000), 2.0f);   // 2.5
  EXPECT_EQ(CpuTenthsByCounter(7, 1, 200000), 4.0f);  // 3.5
  // 3000 blocks of 1000 in 50 ms: 60 Mflops.
  EXPECT_EQ(CpuTenthsByTicks(3000, 50), 600.0f);
  EXPECT_EQ(CpuTenthsByTicks(1, 4), 2.0f);  // 2.5
  EXPECT_EQ(CpuTenthsByTicks(3, 4), 8.0f);  // 7.5
  // The same work measured by either clock gives the same figure.
  EXPECT_EQ(CpuTenthsByCounter(300, 2000, 100000000) , CpuTenthsByTicks(3000, 50));
}

TEST(MemoryTenths, PassesOfOneMebibyteInTenthsOfMebibytesASecond) {
  // 1 MiB read in 0.1 ms: a thousand passes in 100 ms, ten thousand MiB/s. The product of passes,
  // 10^7 and the counter rate is far beyond 32 bits.
  EXPECT_EQ(MemoryTenthsByCounter(1000, 3000, 300000000), 100000);
  EXPECT_EQ(MemoryTenthsByTicks(1000, 100), 100000);
  EXPECT_EQ(MemoryTenthsByCounter(437, 3000, 300000001), 43700);  // a little late: 43699.99
  EXPECT_EQ(MemoryTenthsByTicks(1, 4), 2500);
  EXPECT_EQ(MemoryTenthsByTicks(1, 20000), 0);  // 0.5
  EXPECT_EQ(MemoryTenthsByTicks(3, 20000), 2);  // 1.5
  EXPECT_EQ(MemoryTenthsByCounter(uint64_t{1} << 40, 4000, 1), Max32);
}

TEST(DiskTenths, BytesPerMicrosecondAreMegabytesPerSecond) {
  // 38 blocks of 1 MiB in 400 ms: about 100 MB/s.
  const uint64_t written = 38ull * 1048576;
  EXPECT_EQ(DiskTenthsByCounter(written, 3000, 1200000000), 996);
  EXPECT_EQ(DiskTenthsByTicks(written, 400), 996);
  EXPECT_EQ(DiskTenthsByTicks(150, 1), 2);   // 1.5
  EXPECT_EQ(DiskTenthsByTicks(250, 1), 2);   // 2.5
  EXPECT_EQ(DiskTenthsByTicks(350, 1), 4);   // 3.5
  // A 4 GiB file read in 1 ms is beyond 32 bits of bytes.
  EXPECT_EQ(DiskTenthsByTicks(4096ull * 1048576, 1), 42949673);
  EXPECT_EQ(DiskTenthsByTicks(written, 0), DiskTenthsByTicks(written, 1)) << "no time is at least a step";
  EXPECT_EQ(DiskTenthsByCounter(written, 3000, 0), DiskTenthsByCounter(written, 3000, 1));
}

TEST(TestedMiB, WholeMebibytesOfTheBlocksReadBack) {
  EXPECT_EQ(TestedMiB(1048576, 38), 38);
  EXPECT_EQ(TestedMiB(1048576, 0), 0);
  EXPECT_EQ(TestedMiB(1048576, 5000), 5000) << "5000 MiB in bytes needs 64 bits";
  EXPECT_EQ(TestedMiB(524288, 3), 1);
  EXPECT_EQ(TestedMiB(1048576, std::numeric_limits<int64_t>::max() / 2), Max32);
  EXPECT_EQ(TestedMiB(0, 7), 0);
}

TEST(TestBuffer, KeepsItsWordsAndStartsOnAPageBoundary) {
  TTestBuffer buffer;
  EXPECT_EQ(buffer.Length(), 0u);
  buffer.SetLength(1024);
  ASSERT_NE(buffer.Data(), nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(buffer.Data()) % TTestBuffer::Alignment, 0u);
  for (size_t i = 0; i < 1024; ++i) buffer.Data()[i] = 0x55555555u + static_cast<uint32_t>(i);

  buffer.SetLength(MemoryTestWords);
  ASSERT_EQ(buffer.Length(), MemoryTestWords);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(buffer.Data()) % TTestBuffer::Alignment, 0u);
  EXPECT_EQ(buffer.Data()[0], 0x55555555u);
  EXPECT_EQ(buffer.Data()[1023], 0x55555555u + 1023);
  EXPECT_EQ(buffer.Data()[1024], 0u);
  EXPECT_EQ(buffer.Data()[MemoryTestWords - 1], 0u);

  buffer.SetLength(2);
  EXPECT_EQ(buffer.Data()[1], 0x55555556u);
  buffer.Release();
  EXPECT_EQ(buffer.Length(), 0u);
  EXPECT_EQ(buffer.Data(), nullptr);
}

}  // namespace
