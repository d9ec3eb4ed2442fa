#include "dawnpanel/mainscreen/SpeedTests.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "dawnpanel/mainscreen/Ratio.h"

namespace {
// A span that the clock did not see pass still took some time.
uint64_t Elapsed(int64_t ticks) { return ticks > 0 ? static_cast<uint64_t>(ticks) : 1; }
uint64_t Rate(int64_t tscMHz) { return tscMHz > 0 ? static_cast<uint64_t>(tscMHz) : 0; }
}  // namespace

int32_t TscRateFromTicks(int64_t ticksIn10ms) {
  return ticksIn10ms <= 0 ? 0 : Saturated32(RoundedQuotient(static_cast<uint64_t>(ticksIn10ms), 10000));
}

// blocks × 10000 operations in ticks / tscMHz microseconds: operations a microsecond are Mflops.
float CpuTenthsByCounter(uint64_t blocks, int64_t tscMHz, int64_t ticks) {
  return static_cast<float>(Saturated32(RoundedRatio(blocks, Rate(tscMHz) * 100000, Elapsed(ticks))));
}

// blocks × 1000 operations in ms milliseconds: blocks a millisecond are Mflops.
float CpuTenthsByTicks(uint64_t blocks, uint32_t ms) {
  return static_cast<float>(Saturated32(RoundedRatio(blocks, 10, Elapsed(ms))));
}

// passes MiB in ticks / tscMHz microseconds.
int32_t MemoryTenthsByCounter(uint64_t passes, int64_t tscMHz, int64_t ticks) {
  return Saturated32(RoundedRatio(passes, Rate(tscMHz) * 10000000, Elapsed(ticks)));
}

int32_t MemoryTenthsByTicks(uint64_t passes, uint32_t ms) { return Saturated32(RoundedRatio(passes, 10000, Elapsed(ms))); }

// Bytes a microsecond are MB a second.
int32_t DiskTenthsByCounter(uint64_t bytes, int64_t tscMHz, int64_t ticks) {
  return Saturated32(RoundedRatio(bytes, Rate(tscMHz) * 10, Elapsed(ticks)));
}

// Bytes a millisecond / 100 are tenths of MB a second.
int32_t DiskTenthsByTicks(uint64_t bytes, uint32_t ms) { return Saturated32(RoundedRatio(bytes, 1, Elapsed(ms) * 100)); }

int32_t TestedMiB(int32_t blockSize, int64_t blocks) {
  if (blockSize <= 0 || blocks <= 0) return 0;
  uint64_t bytes;
  if (__builtin_mul_overflow(static_cast<uint64_t>(blockSize), static_cast<uint64_t>(blocks), &bytes))
    return Saturated32(~uint64_t{0});
  return Saturated32(bytes / 1048576);
}

void TTestBuffer::AlignedDelete::operator()(uint32_t* words) const {
  ::operator delete[](words, std::align_val_t{Alignment});
}

void TTestBuffer::SetLength(size_t words) {
  if (words == Count) return;
  std::unique_ptr<uint32_t[], AlignedDelete> fresh;
  if (words > 0) {
    fresh.reset(static_cast<uint32_t*>(::operator new[](words * sizeof(uint32_t), std::align_val_t{Alignment})));
    const size_t kept = std::min(words, Count);
    if (kept) std::memcpy(fresh.get(), Words.get(), kept * sizeof(uint32_t));
    std::memset(fresh.get() + kept, 0, (words - kept) * sizeof(uint32_t));
  }
  Words = std::move(fresh);
  Count = words;
}

void TTestBuffer::Release() {
  Words.reset();
  Count = 0;
}
