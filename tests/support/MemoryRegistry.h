#pragma once
// An in-memory registry with the system's rules: key and value names ignore letter case,
// opening a missing key fails unless creation is asked for, DeleteKey removes a whole branch.
#include <map>
#include <memory>
#include <string>

#include "common/Registry.h"

class MemoryRegistry : public Registry {
 public:
  explicit MemoryRegistry(uint32_t access = KeyAllAccess) : Registry(access) {}

  // Test helpers: plant or inspect a value of any raw type without opening a key.
  void Plant(RootKey root, const std::string& path, const std::string& name, uint32_t rawType,
             const std::string& data);
  bool Peek(RootKey root, const std::string& path, const std::string& name, uint32_t& rawType,
            std::string& data) const;
  // Makes every write fail from now on, to exercise the callers' error paths.
  void FailWrites(bool fail) { WritesFail = fail; }
  // Makes every open fail, as a key without access rights would.
  void FailOpens(bool fail) { OpensFail = fail; }

 protected:
  bool BackendOpen(RootKey root, const std::string& path, bool create, bool readOnly) override;
  void BackendClose() override;
  bool BackendKeyExists(RootKey root, const std::string& path) override;
  bool BackendDeleteKey(RootKey root, const std::string& path) override;
  bool BackendQuery(const std::string& name, uint32_t& rawType, std::string& data) override;
  bool BackendSet(const std::string& name, uint32_t rawType, const std::string& data) override;
  bool BackendDeleteValue(const std::string& name) override;

 private:
  struct Value {
    uint32_t Type;
    std::string Data;
  };
  using KeyId = std::pair<RootKey, std::string>;  // lower-cased path
  static std::string Fold(const std::string& s);
  static std::string Parent(const std::string& path);
  bool Exists(const KeyId& id) const;
  void Create(const KeyId& id);

  std::map<KeyId, std::map<std::string, Value>> Keys;
  KeyId Current;
  bool CurrentReadOnly = false;
  bool WritesFail = false;
  bool OpensFail = false;
};
