// Not a test: the program's speed figures beside plain references measured in the same run, to
// see how close the figures come to what the machine does. Each side is the best of three runs,
// so that a busy moment of the machine counts less. Disabled; run it with
//   build/win32/wine-run.sh build/win32/bin/dp_win32_tests.exe --gtest_also_run_disabled_tests --gtest_filter='DISABLED_SpeedBenchmark.*'
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <cstring>
#include <string>
#include <vector>

#include "dawnpanel/mainscreen/DiskTestWin32.h"
#include "dawnpanel/mainscreen/SpeedTestsWin32.h"
#include "dawnpanel/settings/SettingsHistory.h"
#include "dawnpanel/system/ProgramFolders.h"

namespace {

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&Frequency);
    QueryPerformanceCounter(&Start);
  }
  double Seconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - Start.QuadPart) / static_cast<double>(Frequency.QuadPart);
  }

 private:
  LARGE_INTEGER Frequency, Start;
};

double BestOfThree(const std::function<double()>& measure) {
  return std::max({measure(), measure(), measure()});
}

void Row(const char* what, const char* unit, double program, double reference) {
  std::printf("%-22s %12.1f %12.1f  %-6s %6.2f\n", what, program, reference, unit, program / reference);
}

// Counter ticks a microsecond over half a second of the performance counter.
double ReferenceTscMHz() {
  const int64_t t0 = Tsc();
  Stopwatch watch;
  while (watch.Seconds() < 0.5) {
  }
  return static_cast<double>(Tsc() - t0) / (watch.Seconds() * 1e6);
}

// Single-precision multiplications with the product stored each time, a fixed count.
double ReferenceMflops() {
  float accumulator = 1.0f;
  const long double factor = 1.000000001L;
  constexpr int count = 20000000;
  Stopwatch watch;
  for (int i = 0; i < count; ++i) {
    accumulator = static_cast<float>(accumulator * factor);
    asm volatile("" : "+m"(accumulator));  // stored, and read back for the next product
  }
  return count / watch.Seconds() / 1e6;
}

// MiB a second: summing every word of 1 MiB, and filling it, as the compiler does best.
double ReferenceMemoryRead(const std::vector<uint32_t>& words) {
  constexpr int passes = 2000;
  volatile uint32_t keep = 0;
  Stopwatch watch;
  for (int p = 0; p < passes; ++p) {
    // Four sums, so that loads and not the additions set the pace.
    uint32_t a = 0, b = 0, c = 0, d = 0;
    for (size_t i = 0; i < words.size(); i += 4) {
      a += words[i];
      b += words[i + 1];
      c += words[i + 2];
      d += words[i + 3];
    }
    keep = keep + a + b + c + d;
  }
  return passes / watch.Seconds();
}

double ReferenceMemoryWrite(std::vector<uint32_t>& words) {
  constexpr int passes = 2000;
  Stopwatch watch;
  for (int p = 0; p < passes; ++p) {
    std::memset(words.data(), p, words.size() * sizeof(uint32_t));
    asm volatile("" : : "r"(words.data()) : "memory");  // the stores must happen
  }
  return passes / watch.Seconds();
}

// MB (10^6 bytes) a second through the ordinary file API: write and flush 64 MiB, read it back.
void ReferenceDisk(const std::string& path, double& write, double& read) {
  std::vector<char> block(1048576, 0x55);
  constexpr int blocks = 64;
  DWORD done;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  Stopwatch writing;
  for (int i = 0; i < blocks; ++i) WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &done, nullptr);
  FlushFileBuffers(file);
  write = blocks * 1.048576 / writing.Seconds();
  CloseHandle(file);
  file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  Stopwatch reading;
  for (int i = 0; i < blocks; ++i) ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &done, nullptr);
  read = blocks * 1.048576 / reading.Seconds();
  CloseHandle(file);
  DeleteFileA(path.c_str());
}

TEST(DISABLED_SpeedBenchmark, ProgramFiguresBesideReferences) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string savedTemp = TempFolder;
  TempFolder = temp;
  SettingsHistory = TSettingsHistory{};

  std::printf("%-22s %12s %12s  %-6s %6s\n", "figure", "program", "reference", "unit", "ratio");
  TscMHz = MeasureTscRate();
  ASSERT_GT(TscMHz, 0);
  Row("counter rate", "MHz", static_cast<double>(TscMHz), ReferenceTscMHz());

  for (int64_t clock : {TscMHz, int64_t{0}}) {
    TscMHz = clock;
    const std::string by = clock ? " (counter)" : " (ticks)";
    TestBuffer.SetLength(MemoryTestWords);
    const TSettingsHistory& s = SettingsHistory;
    Row(("processor" + by).c_str(), "Mflops", BestOfThree([&] { return ProcessorTest(), s.CPUTests[0] / 10.0; }),
        BestOfThree(ReferenceMflops));
    std::vector<uint32_t> words(MemoryTestWords, 1);
    Row(("memory read" + by).c_str(), "MiB/s", BestOfThree([&] { return MemoryTest(), s.MemTests[0] / 10.0; }),
        BestOfThree([&] { return ReferenceMemoryRead(words); }));
    Row(("memory write" + by).c_str(), "MiB/s", BestOfThree([&] { return MemoryTest(), s.MemTestsW[0] / 10.0; }),
        BestOfThree([&] { return ReferenceMemoryWrite(words); }));

    DiskTestSize = DiskBlockSize;
    DiskTest();
    double write = 0, read = 0;
    ReferenceDisk(std::string(temp) + "dp_benchmark.tmp", write, read);
    Row(("disk write" + by).c_str(), "MB/s", SettingsHistory.DiskTestsW[0] / 10.0, write);
    Row(("disk read" + by).c_str(), "MB/s", SettingsHistory.DiskTests[0] / 10.0, read);
    std::printf("%-22s %12d MiB written and read back\n", ("disk test size" + by).c_str(), DiskTestSize);
    EXPECT_GT(write, 0);
    EXPECT_GT(read, 0);
  }
  TestBuffer.Release();
  TempFolder = savedTemp;
}

}  // namespace
