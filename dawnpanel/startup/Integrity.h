#pragma once
// The executable carries a seal: a trailer with the SHA-256 of everything before it, added
// after linking. A changed byte anywhere, or a missing seal, fails the check.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

std::array<uint8_t, 32> Sha256(std::string_view data);
std::string ToHex(const std::array<uint8_t, 32>& digest);

inline constexpr std::string_view SealMarker = "\nDPSEAL:";
inline constexpr size_t SealLength = 8 + 64 + 1;  // marker, hex digest, newline

// The seal text for a file's content, to be appended to it.
std::string MakeSeal(std::string_view content);
// True when the file ends in a seal that matches the content before it.
bool CheckSeal(std::string_view file);
