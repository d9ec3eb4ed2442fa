#pragma once
// The disk speed test: 1 MiB blocks written to a file in the temporary folder for 400 ms past
// the system's cache, then read back through it; the file is deleted again in any case.
#include <windows.h>

#include <cstdint>
#include <string>

extern std::string DiskTestFile;  // TempFolder + "memoryal.tmp"; the painter shortens it
extern int32_t DiskTestSize;      // the block size; after the test the whole MiB read back

// The calls the test makes whose failure it must survive; tests replace one to make it fail.
class DiskTestSystem {
 public:
  virtual ~DiskTestSystem() = default;
  // Read and write, no sharing, always a new file, written through past the cache.
  virtual HANDLE CreateForWriting(const std::string& path);
  // Read only, ordinary cached access, no sharing.
  virtual HANDLE OpenForReading(const std::string& path);
  virtual void ShowError(const std::string& english, const std::string& russian);
};

// DiskTestsW[0] and DiskTests[0] of the record; on failure the error box, and the fields not
// yet set keep their values.
void DiskTest();
void DiskTest(DiskTestSystem& system);
