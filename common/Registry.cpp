#include "common/Registry.h"

#include <cstring>

RegDataType ClassifyRegType(uint32_t rawType) {
  switch (rawType) {
    case RawRegSz: return RegDataType::String;
    case RawRegExpandSz: return RegDataType::ExpandString;
    case RawRegDword: return RegDataType::Integer;
    case RawRegBinary: return RegDataType::Binary;
    default: return RegDataType::Unknown;
  }
}

void Registry::SetRootKey(RootKey root) {
  if (root == Root) return;
  CloseKey();
  Root = root;
}

std::string Registry::Resolve(const std::string& key) const {
  if (!key.empty() && key[0] == '\\') return key.substr(1);
  if (!KeyOpen || Path.empty()) return key;
  if (key.empty()) return Path;
  return Path + "\\" + key;
}

bool Registry::Open(const std::string& key, bool canCreate, bool readOnly) {
  std::string full = Resolve(key);
  while (!full.empty() && full.back() == '\\') full.pop_back();
  // The previous key stays open when the new one cannot be opened, as with the system's own wrapper.
  if (!BackendOpen(Root, full, canCreate, readOnly)) return false;
  Path = full;
  KeyOpen = true;
  return true;
}

bool Registry::OpenKey(const std::string& key, bool canCreate) { return Open(key, canCreate, false); }
bool Registry::OpenKeyReadOnly(const std::string& key) { return Open(key, false, true); }

void Registry::CloseKey() {
  if (KeyOpen) BackendClose();
  KeyOpen = false;
  Path.clear();
}

bool Registry::KeyExists(const std::string& key) { return BackendKeyExists(Root, Resolve(key)); }

bool Registry::DeleteKey(const std::string& key) {
  std::string full = Resolve(key);
  if (full.empty()) return false;
  return BackendDeleteKey(Root, full);
}

bool Registry::GetDataInfo(const std::string& name, RegDataInfo& info) {
  uint32_t raw = 0;
  std::string data;
  if (!KeyOpen || !BackendQuery(name, raw, data)) {
    info = {};
    return false;
  }
  info.Type = ClassifyRegType(raw);
  info.Size = static_cast<uint32_t>(data.size());
  return true;
}

bool Registry::ValueExists(const std::string& name) {
  RegDataInfo info;
  return GetDataInfo(name, info);
}

bool Registry::DeleteValue(const std::string& name) { return KeyOpen && BackendDeleteValue(name); }

int32_t Registry::ReadInteger(const std::string& name) {
  uint32_t raw = 0;
  std::string data;
  if (!KeyOpen || !BackendQuery(name, raw, data))
    throw ERegistryException("Unable to read value " + name);
  if (raw != RawRegDword || data.size() != 4)
    throw ERegistryException("Invalid data type for " + name);
  int32_t value;
  std::memcpy(&value, data.data(), 4);
  return value;
}

std::string Registry::ReadString(const std::string& name) {
  uint32_t raw = 0;
  std::string data;
  if (!KeyOpen || !BackendQuery(name, raw, data)) return {};
  if (raw != RawRegSz && raw != RawRegExpandSz)
    throw ERegistryException("Invalid data type for " + name);
  // Stored strings carry their terminating zero (or may lack it); stop at the first zero.
  auto zero = data.find('\0');
  if (zero != std::string::npos) data.resize(zero);
  return data;
}

uint32_t Registry::ReadBinaryData(const std::string& name, void* buffer, uint32_t size) {
  uint32_t raw = 0;
  std::string data;
  if (!KeyOpen || !BackendQuery(name, raw, data))
    throw ERegistryException("Unable to read value " + name);
  RegDataType type = ClassifyRegType(raw);
  if ((type != RegDataType::Binary && type != RegDataType::Unknown) || data.size() > size)
    throw ERegistryException("Invalid data type for " + name);
  if (!data.empty()) std::memcpy(buffer, data.data(), data.size());
  return static_cast<uint32_t>(data.size());
}

void Registry::Put(const std::string& name, uint32_t rawType, const std::string& data) {
  if (!KeyOpen || !BackendSet(name, rawType, data))
    throw ERegistryException("Failed to set data for " + name);
}

void Registry::WriteInteger(const std::string& name, int32_t value) {
  Put(name, RawRegDword, std::string(reinterpret_cast<const char*>(&value), 4));
}

void Registry::WriteString(const std::string& name, const std::string& value) {
  Put(name, RawRegSz, value + '\0');
}

void Registry::WriteExpandString(const std::string& name, const std::string& value) {
  Put(name, RawRegExpandSz, value + '\0');
}

void Registry::WriteBinaryData(const std::string& name, const void* data, uint32_t size) {
  Put(name, RawRegBinary, std::string(static_cast<const char*>(data), size));
}
