#pragma once
#include <windows.h>

#include "common/Registry.h"

// The system registry behind the Registry seam; the access mask may carry KEY_WOW64_64KEY.
class Win32Registry : public Registry {
 public:
  explicit Win32Registry(uint32_t access = KeyAllAccess) : Registry(access) {}
  ~Win32Registry() override { CloseKey(); }
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

 protected:
  bool BackendOpen(RootKey root, const std::string& path, bool create, bool readOnly) override;
  void BackendClose() override;
  bool BackendKeyExists(RootKey root, const std::string& path) override;
  bool BackendDeleteKey(RootKey root, const std::string& path) override;
  bool BackendQuery(const std::string& name, uint32_t& rawType, std::string& data) override;
  bool BackendSet(const std::string& name, uint32_t rawType, const std::string& data) override;
  bool BackendDeleteValue(const std::string& name) override;

 private:
  REGSAM ViewBits() const { return Access() & KeyWow64_64Key; }
  bool DeleteBranch(HKEY parent, const std::string& name);
  HKEY Key = nullptr;
};
