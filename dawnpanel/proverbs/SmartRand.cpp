#include "dawnpanel/proverbs/SmartRand.h"

#include "common/Random.h"

std::unique_ptr<TSmartRand> ProverbPicker;
void (*ReportEmptyPicker)() = nullptr;

TSmartRand::TSmartRand(int32_t count) : CountValue(count) {
  if (count < 1) {
    if (ReportEmptyPicker) ReportEmptyPicker();
    TailBitsValue = 0;
    return;
  }
  TailBitsValue = count % 32;
  Used.assign(static_cast<size_t>(count / 32 + (TailBitsValue != 0 ? 1 : 0)), 0u);
  MarkTail();
}

void TSmartRand::MarkTail() {
  if (TailBitsValue != 0 && !Used.empty()) Used.back() |= ~((1u << TailBitsValue) - 1u);
}

void TSmartRand::RestoreUsed(std::span<const uint32_t> words) {
  for (size_t i = 0; i < Used.size() && i < words.size(); ++i) Used[i] = words[i];
  MarkTail();
}

void TSmartRand::ResetCycle() {
  for (auto& w : Used) w = 0;
  MarkTail();
}

int32_t TSmartRand::Next() {
  const auto words = static_cast<uint32_t>(Used.size());
  if (words == 0) return 0;  // an empty picker has nothing to give
  // A full set is not counted: after 8 x WordCount - 1 draws of full words a new cycle begins.
  int32_t attempts = 8 * static_cast<int32_t>(words);
  uint32_t w;
  do {
    if (--attempts == 0) ResetCycle();
    w = Random(words);
  } while (Used[w] == 0xFFFFFFFFu);
  uint32_t b;
  do b = Random(32);
  while (Used[w] & (1u << b));
  Used[w] |= 1u << b;
  return static_cast<int32_t>(w * 32 + b + 1);
}
