#pragma once
// Start-up decisions that do not need the system: the typeface draw and the version text.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

inline constexpr std::array<const char*, 13> ProverbFonts = {
    "Arial",          "Book Antiqua",     "Bookman Old Style", "Century Gothic", "Comic Sans MS",
    "Garamond",       "Georgia",          "Lucida Sans Unicode", "Monotype Corsiva", "Palatino Linotype",
    "Sylfaen",        "Times New Roman",  "Trebuchet MS"};

extern int32_t ProverbCount;
extern std::string VersionText;
extern std::string RandomFont;

// Draws one of the proverb typefaces that are installed, each equally likely. When none is
// installed the draw would never end; the fallback face is used instead.
std::string DrawRandomFont(const std::function<bool(const std::string&)>& installed, const std::string& fallback);
