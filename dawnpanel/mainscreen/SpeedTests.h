#pragma once
// From counted work and measured time to the figures the history keeps, in tenths: Mflops,
// MiB/s for memory, MB/s (10^6 bytes) for the disk. Two clocks measure: the time-stamp counter
// (ticks, with tscMHz ticks a microsecond) and GetTickCount (milliseconds). All results are
// rounded to the nearest integer, halves to even, and stop at the largest 32-bit value.
#include <cstddef>
#include <cstdint>
#include <memory>

inline constexpr int CpuBlockByCounter = 10000;  // multiplications between two clock readings
inline constexpr int CpuBlockByTicks = 1000;
inline constexpr size_t MemoryTestWords = 262144;  // 1 MiB
inline constexpr int32_t DiskBlockSize = 1048576;

// Counter ticks a microsecond, from the ticks counted in 10 ms.
int32_t TscRateFromTicks(int64_t ticksIn10ms);

// blocks of CpuBlockByCounter / CpuBlockByTicks multiplications.
float CpuTenthsByCounter(uint64_t blocks, int64_t tscMHz, int64_t ticks);
float CpuTenthsByTicks(uint64_t blocks, uint32_t ms);

// passes over the 1 MiB buffer.
int32_t MemoryTenthsByCounter(uint64_t passes, int64_t tscMHz, int64_t ticks);
int32_t MemoryTenthsByTicks(uint64_t passes, uint32_t ms);

int32_t DiskTenthsByCounter(uint64_t bytes, int64_t tscMHz, int64_t ticks);
int32_t DiskTenthsByTicks(uint64_t bytes, uint32_t ms);

// Whole MiB in blocks of blockSize bytes.
int32_t TestedMiB(int32_t blockSize, int64_t blocks);

// The test area: 32-bit words starting on a 4096-byte boundary, as unbuffered file writes need.
class TTestBuffer {
 public:
  static constexpr size_t Alignment = 4096;

  // Words already there keep their contents; new words are zero.
  void SetLength(size_t words);
  size_t Length() const { return Count; }
  uint32_t* Data() { return Words.get(); }
  const uint32_t* Data() const { return Words.get(); }
  void Release();

 private:
  struct AlignedDelete {
    void operator()(uint32_t* words) const;
  };
  std::unique_ptr<uint32_t[], AlignedDelete> Words;
  size_t Count = 0;
};
