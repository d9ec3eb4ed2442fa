#include "common/Paths.h"

void AddBackslash(std::string& path) {
  if (!path.empty() && path.back() != '\\') path += '\\';
}
