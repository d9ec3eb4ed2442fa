# The proverb list: Proverbs.txt (UTF-8, one proverb a line) becomes generated/ProverbSource.h, a
# consteval function returning its lines as string literals. -fexec-charset turns them into code
# page 1251; ProverbList.cpp checks and scrambles them at compile time. ProverbList.cpp and the
# store are found by the source glob like every other file.
set(DP_PROVERB_TEXT ${CMAKE_SOURCE_DIR}/dawnpanel/proverbs/Proverbs.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${DP_PROVERB_TEXT})

file(READ ${DP_PROVERB_TEXT} dp_bom LIMIT 3 HEX)
if(dp_bom STREQUAL "efbbbf")
  file(READ ${DP_PROVERB_TEXT} dp_proverb_text OFFSET 3)
else()
  file(READ ${DP_PROVERB_TEXT} dp_proverb_text)
endif()
# Lines as file(STRINGS) counts them for the version: no CR, and a final line break ends the last
# line rather than starting another.
string(REPLACE "\r" "" dp_proverb_text "${dp_proverb_text}")
string(REGEX REPLACE "\n$" "" dp_proverb_text "${dp_proverb_text}")
string(REPLACE "\\" "\\\\" dp_proverb_text "${dp_proverb_text}")
string(REPLACE "\"" "\\\"" dp_proverb_text "${dp_proverb_text}")
string(REPLACE "\n" "\",\n\"" dp_proverb_text "${dp_proverb_text}")
# One literal a line under #line, so that the compiler's own complaints (a character that code
# page 1251 lacks) name the line of Proverbs.txt.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/ProverbSource.h @ONLY CONTENT
"#pragma once
// Generated from dawnpanel/proverbs/Proverbs.txt by Proverbs.cmake; do not edit.
#include <array>
#include <string_view>

consteval auto ProverbSourceLines() {
  return std::to_array<std::string_view>({
#line 1 \"${DP_PROVERB_TEXT}\"
\"@dp_proverb_text@\"
  });
}
")

# Checking and scrambling the list at compile time takes about half the compiler's default budget of
# constant-evaluation steps; the raised limit leaves room for a list ten times as long.
set_source_files_properties(${CMAKE_SOURCE_DIR}/dawnpanel/proverbs/ProverbList.cpp PROPERTIES
  COMPILE_OPTIONS -fconstexpr-ops-limit=268435456
  OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/generated/ProverbSource.h)

# The store's tests compare every entry with the text itself.
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/proverbs/ProverbStoreTest.cpp PROPERTIES
  COMPILE_DEFINITIONS "DP_PROVERB_TEXT_FILE=\"${DP_PROVERB_TEXT}\"")

# Every build of the program proves that no proverb stands in it as plain text. Deferred to the
# end of the directory, where the program's target exists.
function(dp_check_proverbs_hidden)
  if(TARGET Dawnpanel)
    add_custom_command(TARGET Dawnpanel POST_BUILD
      COMMAND sh ${CMAKE_SOURCE_DIR}/cmake/CheckProverbsHidden.sh $<TARGET_FILE:Dawnpanel> ${DP_PROVERB_TEXT}
      VERBATIM)
  endif()
endfunction()
cmake_language(DEFER CALL dp_check_proverbs_hidden)

set(DP_PROVERB_SOURCES)
