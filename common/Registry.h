#pragma once
// The registry as the program sees it: a root, a fixed access mask and at most one open key.
// Win32Registry is the real one; MemoryRegistry stands in for it in tests.
#include <cstdint>
#include <stdexcept>
#include <string>

// Values match the HKEY_* constants, so the Win32 side converts by a cast.
enum class RootKey : uint32_t {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
};

// How the registry object classifies a value; types it does not know are Unknown.
enum class RegDataType { Unknown, String, ExpandString, Integer, Binary };

struct RegDataInfo {
  RegDataType Type = RegDataType::Unknown;
  uint32_t Size = 0;
};

// Raw registry type numbers, for tests that plant odd values.
enum : uint32_t { RawRegSz = 1, RawRegExpandSz = 2, RawRegBinary = 3, RawRegDword = 4, RawRegMultiSz = 7, RawRegQword = 11 };

constexpr uint32_t KeyAllAccess = 0xF003F;
constexpr uint32_t KeyWow64_64Key = 0x0100;

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Registry {
 public:
  virtual ~Registry() = default;

  RootKey GetRootKey() const { return Root; }
  // A different root closes the open key.
  void SetRootKey(RootKey root);
  uint32_t Access() const { return AccessMask; }
  // Path of the open key below the root, without a leading backslash; empty when none is open.
  const std::string& CurrentPath() const { return Path; }
  bool HasCurrentKey() const { return KeyOpen; }

  // A path with a leading backslash starts at the root; one without starts at the open key.
  // Reports failure as false, never raises.
  bool OpenKey(const std::string& key, bool canCreate);
  bool OpenKeyReadOnly(const std::string& key);
  void CloseKey();
  bool KeyExists(const std::string& key);
  bool DeleteKey(const std::string& key);

  bool ValueExists(const std::string& name);
  bool GetDataInfo(const std::string& name, RegDataInfo& info);
  bool DeleteValue(const std::string& name);

  // Reads raise ERegistryException on a value of the wrong type; a missing string reads as "".
  int32_t ReadInteger(const std::string& name);
  bool ReadBool(const std::string& name) { return ReadInteger(name) != 0; }
  std::string ReadString(const std::string& name);
  // Accepts Binary and Unknown values not longer than size; returns the bytes read.
  uint32_t ReadBinaryData(const std::string& name, void* buffer, uint32_t size);

  // Writes raise ERegistryException when they fail.
  void WriteInteger(const std::string& name, int32_t value);
  void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  void WriteString(const std::string& name, const std::string& value);
  void WriteExpandString(const std::string& name, const std::string& value);
  void WriteBinaryData(const std::string& name, const void* data, uint32_t size);

 protected:
  explicit Registry(uint32_t access) : AccessMask(access) {}

  // Backend: full paths below a root (no leading backslash); raw type numbers as the system has them.
  virtual bool BackendOpen(RootKey root, const std::string& path, bool create, bool readOnly) = 0;
  virtual void BackendClose() = 0;
  virtual bool BackendKeyExists(RootKey root, const std::string& path) = 0;
  virtual bool BackendDeleteKey(RootKey root, const std::string& path) = 0;
  virtual bool BackendQuery(const std::string& name, uint32_t& rawType, std::string& data) = 0;
  virtual bool BackendSet(const std::string& name, uint32_t rawType, const std::string& data) = 0;
  virtual bool BackendDeleteValue(const std::string& name) = 0;

 private:
  std::string Resolve(const std::string& key) const;
  bool Open(const std::string& key, bool canCreate, bool readOnly);
  void Put(const std::string& name, uint32_t rawType, const std::string& data);

  RootKey Root = RootKey::CurrentUser;
  uint32_t AccessMask;
  std::string Path;
  bool KeyOpen = false;
};

RegDataType ClassifyRegType(uint32_t rawType);
