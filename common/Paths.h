#pragma once
#include <string>

// Appends "\" to a non-empty path that lacks one; an empty path stays empty.
void AddBackslash(std::string& path);
