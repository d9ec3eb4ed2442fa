#include <windows.h>

#include "common/Win32Registry.h"

#include <vector>

namespace {
HKEY RootHandle(RootKey root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<uint32_t>(root))); }

// RegDeleteKeyExA exists from XP x64 on; without it the view bits cannot be honoured anyway.
using RegDeleteKeyExAProc = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);
RegDeleteKeyExAProc DeleteKeyEx() {
  static auto proc = reinterpret_cast<RegDeleteKeyExAProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA")));
  return proc;
}
}  // namespace

bool Win32Registry::BackendOpen(RootKey root, const std::string& path, bool create, bool readOnly) {
  REGSAM access = readOnly ? (KEY_READ | ViewBits()) : Access();
  HKEY key = nullptr;
  LONG rc;
  if (create) {
    DWORD disposition = 0;
    rc = RegCreateKeyExA(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                         nullptr, &key, &disposition);
  } else {
    rc = RegOpenKeyExA(RootHandle(root), path.c_str(), 0, access, &key);
  }
  if (rc != ERROR_SUCCESS) return false;
  BackendClose();
  Key = key;
  return true;
}

void Win32Registry::BackendClose() {
  if (Key) RegCloseKey(Key);
  Key = nullptr;
}

bool Win32Registry::BackendKeyExists(RootKey root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RootHandle(root), path.c_str(), 0, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | ViewBits(),
                    &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool Win32Registry::DeleteBranch(HKEY parent, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ | KEY_WRITE | ViewBits(), &key) == ERROR_SUCCESS) {
    // Collect first: enumerating while deleting skips entries.
    std::vector<std::string> children;
    char buffer[256];
    for (DWORD i = 0;; ++i) {
      DWORD size = sizeof buffer;
      if (RegEnumKeyExA(key, i, buffer, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      children.emplace_back(buffer, size);
    }
    for (const auto& child : children) DeleteBranch(key, child);
    RegCloseKey(key);
  }
  if (ViewBits() && DeleteKeyEx()) return DeleteKeyEx()(parent, name.c_str(), ViewBits(), 0) == ERROR_SUCCESS;
  return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::BackendDeleteKey(RootKey root, const std::string& path) {
  // Deleting the open key itself: let go of it first.
  if (Key && HasCurrentKey() && lstrcmpiA(CurrentPath().c_str(), path.c_str()) == 0) CloseKey();
  return DeleteBranch(RootHandle(root), path);
}

bool Win32Registry::BackendQuery(const std::string& name, uint32_t& rawType, std::string& data) {
  if (!Key) return false;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(Key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  data.assign(size, '\0');
  if (size && RegQueryValueExA(Key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
                  ERROR_SUCCESS)
    return false;
  data.resize(size);
  rawType = type;
  return true;
}

bool Win32Registry::BackendSet(const std::string& name, uint32_t rawType, const std::string& data) {
  return Key && RegSetValueExA(Key, name.c_str(), 0, rawType, reinterpret_cast<const BYTE*>(data.data()),
                               static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::BackendDeleteValue(const std::string& name) {
  return Key && RegDeleteValueA(Key, name.c_str()) == ERROR_SUCCESS;
}
