#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/Random.h"
#include "dawnpanel/startup/Integrity.h"
#include "dawnpanel/startup/Startup.h"

TEST(Sha256, KnownDigests) {
  const struct {
    std::string In;
    const char* Hex;
  } table[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& row : table) EXPECT_EQ(ToHex(Sha256(row.In)), row.Hex) << row.In.size();
}

TEST(Seal, AcceptsOnlyTheUnchangedFile) {
  std::string content = "MZ" + std::string(5000, '\x90') + std::string("\0\x01\x02", 3);
  std::string sealed = content + MakeSeal(content);
  EXPECT_TRUE(CheckSeal(sealed));
  for (size_t at : {size_t{0}, content.size() / 2, content.size() - 1, sealed.size() - 2}) {
    std::string changed = sealed;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    EXPECT_FALSE(CheckSeal(changed)) << "byte " << at;
  }
  EXPECT_FALSE(CheckSeal(content)) << "no seal at all";
  EXPECT_FALSE(CheckSeal(sealed + "x")) << "something appended after the seal";
  EXPECT_FALSE(CheckSeal(""));
}

TEST(FontDraw, OnlyInstalledFacesEachEquallyLikely) {
  RandSeed(3);
  const std::set<std::string> installed = {"Arial", "Georgia", "Trebuchet MS"};
  std::map<std::string, int> counts;
  const int draws = 6000;
  for (int i = 0; i < draws; ++i)
    ++counts[DrawRandomFont([&](const std::string& f) { return installed.count(f) != 0; }, "Tahoma")];
  EXPECT_EQ(counts.size(), installed.size());
  for (const auto& [face, n] : counts) {
    EXPECT_TRUE(installed.count(face)) << face;
    EXPECT_NEAR(n, draws / 3, draws / 20) << face;
  }
}

TEST(FontDraw, EndsWithTheFallbackWhenNoneIsInstalled) {
  EXPECT_EQ(DrawRandomFont([](const std::string&) { return false; }, "Tahoma"), "Tahoma");
  EXPECT_EQ(ProverbFonts.size(), 13u);
}
