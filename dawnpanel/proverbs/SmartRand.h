#pragma once
// Draws 1..Count at random so that no value comes twice before all have come once.
// The used-set survives restarts through the settings (value Heart).
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TSmartRand {
 public:
  explicit TSmartRand(int32_t count);

  int32_t Next();
  void ResetCycle();
  // Marks the bits above Count in the last word as drawn, so no value above Count can come out.
  void MarkTail();

  int32_t Count() const { return CountValue; }
  int32_t WordCount() const { return static_cast<int32_t>(Used.size()); }
  int32_t TailBits() const { return TailBitsValue; }
  // Takes a stored used-set: its words replace the leading ones (a shorter set leaves the rest
  // as they are, a longer one is cut), then MarkTail, so a set saved with another Count can
  // never yield a value above Count.
  void RestoreUsed(std::span<const uint32_t> words);

  // The raw used-set, word 0 first, for storing and restoring.
  std::vector<uint32_t>& UsedWords() { return Used; }
  const std::vector<uint32_t>& UsedWords() const { return Used; }

 private:
  int32_t CountValue;
  int32_t TailBitsValue;
  std::vector<uint32_t> Used;
};

// Called when a picker is made for an empty list (the program's list never is); the program
// shows its "index<=0" box through it.
extern void (*ReportEmptyPicker)();

// The program-wide picker, created at start-up once the number of proverbs is known.
extern std::unique_ptr<TSmartRand> ProverbPicker;
