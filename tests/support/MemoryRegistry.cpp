#include "tests/support/MemoryRegistry.h"

#include <cctype>

std::string MemoryRegistry::Fold(const std::string& s) {
  std::string r = s;
  for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

std::string MemoryRegistry::Parent(const std::string& path) {
  auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool MemoryRegistry::Exists(const KeyId& id) const {
  return id.second.empty() || Keys.count(id) != 0;
}

void MemoryRegistry::Create(const KeyId& id) {
  if (id.second.empty()) return;
  Create({id.first, Parent(id.second)});
  Keys[id];
}

bool MemoryRegistry::BackendOpen(RootKey root, const std::string& path, bool create, bool readOnly) {
  if (OpensFail) return false;
  KeyId id{root, Fold(path)};
  if (!Exists(id)) {
    if (!create) return false;
    Create(id);
  }
  Current = id;
  CurrentReadOnly = readOnly;
  return true;
}

void MemoryRegistry::BackendClose() { Current = {}; }

bool MemoryRegistry::BackendKeyExists(RootKey root, const std::string& path) {
  return Exists({root, Fold(path)});
}

bool MemoryRegistry::BackendDeleteKey(RootKey root, const std::string& path) {
  KeyId id{root, Fold(path)};
  if (!Exists(id) || WritesFail) return false;
  const std::string prefix = id.second + "\\";
  for (auto it = Keys.begin(); it != Keys.end();) {
    bool inBranch = it->first.first == root &&
                    (it->first.second == id.second || it->first.second.rfind(prefix, 0) == 0);
    it = inBranch ? Keys.erase(it) : std::next(it);
  }
  return true;
}

bool MemoryRegistry::BackendQuery(const std::string& name, uint32_t& rawType, std::string& data) {
  return Peek(Current.first, Current.second, name, rawType, data);
}

bool MemoryRegistry::BackendSet(const std::string& name, uint32_t rawType, const std::string& data) {
  if (WritesFail || CurrentReadOnly || !Exists(Current)) return false;
  Keys[Current][Fold(name)] = {rawType, data};
  return true;
}

bool MemoryRegistry::BackendDeleteValue(const std::string& name) {
  if (WritesFail || CurrentReadOnly) return false;
  auto key = Keys.find(Current);
  return key != Keys.end() && key->second.erase(Fold(name)) != 0;
}

void MemoryRegistry::Plant(RootKey root, const std::string& path, const std::string& name,
                           uint32_t rawType, const std::string& data) {
  KeyId id{root, Fold(path)};
  Create(id);
  Keys[id][Fold(name)] = {rawType, data};
}

bool MemoryRegistry::Peek(RootKey root, const std::string& path, const std::string& name,
                          uint32_t& rawType, std::string& data) const {
  auto key = Keys.find({root, Fold(path)});
  if (key == Keys.end()) return false;
  auto v = key->second.find(Fold(name));
  if (v == key->second.end()) return false;
  rawType = v->second.Type;
  data = v->second.Data;
  return true;
}
