#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/WindowsDescription.h"

namespace {

// Facts of one system, built up fluently.
struct Facts {
  WindowsFacts F;

  Facts& Sp(const std::string& text) {
    F.ServicePack = text;
    return *this;
  }
  Facts& Suite(uint16_t mask) {
    F.SuiteMask = mask;
    return *this;
  }
  Facts& Arch(uint16_t architecture) {
    F.Architecture = architecture;
    return *this;
  }
  Facts& Product(uint32_t code) {
    F.ProductInfoExported = F.ProductInfoSucceeded = true;
    F.ProductCode = code;
    return *this;
  }
  Facts& Metrics(int serverR2, int starter, int mediaCenter, int tabletPc) {
    F.ServerR2 = serverR2;
    F.Starter = starter;
    F.MediaCenter = mediaCenter;
    F.TabletPc = tabletPc;
    return *this;
  }
  Facts& Ver(const std::string& output) {
    F.VerOutput = [output] { return output; };
    return *this;
  }
  Facts& Basic() {
    F.Extended = false;
    F.SuiteMask = 0;
    F.ProductType = 0;
    return *this;
  }
  Facts& ProductOptions(const std::string& value) {
    F.ProductOptionsOpened = F.ProductTypeIsString = true;
    F.ProductTypeValue = value;
    return *this;
  }
  Facts& Q246009() {
    F.Q246009Exists = true;
    return *this;
  }
};

Facts Win9x(uint32_t minor, uint32_t build, const std::string& servicePack = "") {
  Facts f;
  f.F.VersionRead = true;
  f.F.PlatformId = PlatformWin9x;
  f.F.Major = 4;
  f.F.Minor = minor;
  f.F.Build = build;
  f.F.ServicePack = servicePack;
  return f;
}

Facts Nt(uint32_t major, uint32_t minor, uint8_t productType = NtWorkstation) {
  Facts f;
  f.F.VersionRead = f.F.Extended = true;
  f.F.PlatformId = PlatformWinNt;
  f.F.Major = major;
  f.F.Minor = minor;
  f.F.ProductType = productType;
  return f;
}

struct Flags {
  bool Vista;
  bool Win10;
  bool Is64;
};
constexpr Flags None{false, false, false};
constexpr Flags Vista{true, false, false};
constexpr Flags Vista64{true, false, true};
constexpr Flags Win10{false, true, false};
constexpr Flags Vista10{true, true, false};
constexpr Flags Vista10x64{true, true, true};

struct Case {
  const char* Label;
  Facts Input;
  std::string Text;
  Flags Expected;
};

void ExpectDescription(const Case& c) {
  SCOPED_TRACE(c.Label);
  const WindowsDescription d = DescribeWindows(c.Input.F);
  EXPECT_TRUE(d.VersionRead);
  EXPECT_EQ(d.Text, c.Text);
  EXPECT_EQ(d.VistaOrLater, c.Expected.Vista);
  EXPECT_EQ(d.Windows10OrLater, c.Expected.Win10);
  EXPECT_EQ(d.Is64BitWindows, c.Expected.Is64);
  EXPECT_EQ(d.WindowsNtFamily, c.Input.F.PlatformId == PlatformWinNt);
}

TEST(WindowsDescription, NamesTheWindows9xFamilyFromBuildAndServicePackLetter) {
  const std::vector<Case> cases = {
      {"95 retail", Win9x(0, 950), "Microsoft Windows 95", None},
      {"95 with letter B only counts from 1214", Win9x(0, 950, " B"), "Microsoft Windows 95  B", None},
      {"95 OSR 1 by letter A", Win9x(0, 950, " A "), "Microsoft Windows 95 OSR 1  A ", None},
      {"95 OSR 1 by letter W", Win9x(3, 1000, " W"), "Microsoft Windows 95 OSR 1  W", None},
      // The high word of the build number carries the version and is ignored.
      {"95 OSR 2.0", Win9x(0, 0x04000457), "Microsoft Windows 95 OSR 2.0", None},
      {"95 OSR 2.1 (1212)", Win9x(0, 1212), "Microsoft Windows 95 OSR 2.1", None},
      {"95 OSR 2.1 (1213)", Win9x(0, 1213), "Microsoft Windows 95 OSR 2.1", None},
      {"95 OSR 2.5", Win9x(0, 1214, " C"), "Microsoft Windows 95 OSR 2.5  C", None},
      {"95 build 1214 without C", Win9x(0, 1214, " B"), "Microsoft Windows 95 OSR 2.1  B", None},
      {"95 OSR 2.x", Win9x(0, 1081), "Microsoft Windows 95 OSR 2.x", None},
      {"95 build 1080 is not 2.x", Win9x(0, 1080), "Microsoft Windows 95", None},
      {"98", Win9x(10, 1998), "Microsoft Windows 98", None},
      {"98 SE by build", Win9x(10, 0x040A08AE, " A "), "Microsoft Windows 98 SE  A ", None},
      {"98 SE by letter B", Win9x(10, 2000, " B"), "Microsoft Windows 98 SE  B", None},
      {"Me", Win9x(90, 3000), "Microsoft Windows Millennium", None},
      {"unknown minor", Win9x(20, 100), "Microsoft Windows Unknown 9x", None},
      {"one-character service pack has no second letter", Win9x(0, 950, "A"), "Microsoft Windows 95 A", None},
  };
  for (const Case& c : cases) ExpectDescription(c);

  Facts wrongMajor = Win9x(0, 100);
  wrongMajor.F.Major = 5;
  EXPECT_EQ(DescribeWindows(wrongMajor.F).Text, "Microsoft Windows Unknown 9x");
}

TEST(WindowsDescription, NamesNtVersionsAndEditionsUpToWindows2003) {
  const std::vector<Case> cases = {
      {"NT 3.51", Nt(3, 51), "Microsoft Windows NT Unknown Workstation", None},
      {"NT 4 workstation", Nt(4, 0).Sp("Service Pack 5"), "Microsoft Windows NT Workstation Service Pack 5", None},
      {"NT 4 server", Nt(4, 0, NtServer), "Microsoft Windows NT Server 4.0", None},
      {"NT 4 enterprise", Nt(4, 0, NtServer).Suite(SuiteEnterprise), "Microsoft Windows NT Server 4.0 Enterprise",
       None},
      {"2000 Professional", Nt(5, 0).Sp("Service Pack 4"), "Microsoft Windows 2000 Professional Service Pack 4", None},
      {"2000 Datacenter", Nt(5, 0, NtServer).Suite(SuiteDatacenter | SuiteEnterprise),
       "Microsoft Windows 2000 Datacenter Server", None},
      {"2000 Advanced", Nt(5, 0, NtDomainController).Suite(SuiteEnterprise), "Microsoft Windows 2000 Advanced Server",
       None},
      {"2000 Server", Nt(5, 0, NtServer), "Microsoft Windows 2000 Server", None},
      {"XP Pro", Nt(5, 1).Sp("Service Pack 3"), "Microsoft Windows XP Professional Service Pack 3", None},
      {"XP Starter wins over the rest", Nt(5, 1).Metrics(0, 1, 1, 1).Suite(SuitePersonal),
       "Microsoft Windows XP Starter", None},
      {"XP Media Center before Tablet PC", Nt(5, 1).Metrics(0, 0, 1, 1), "Microsoft Windows XP Media Center", None},
      {"XP Tablet PC before Home", Nt(5, 1).Metrics(0, 0, 0, 1).Suite(SuitePersonal), "Microsoft Windows XP Tablet PC",
       None},
      {"XP Home before Embedded", Nt(5, 1).Suite(SuitePersonal | SuiteEmbeddedNt), "Microsoft Windows XP Home", None},
      {"XP Embedded", Nt(5, 1).Suite(SuiteEmbeddedNt), "Microsoft Windows XP Embedded", None},
      {"XP x64 says x64, not 64-bit", Nt(5, 2).Arch(ArchitectureX64).Sp("Service Pack 2"),
       "Microsoft Windows XP Professional x64 Service Pack 2", None},
      {"2003 R2 by metric", Nt(5, 2, NtServer).Metrics(1, 0, 0, 0), "Microsoft Windows Server 2003 R2 Standard", None},
      {"Storage Server needs the storage bit alone", Nt(5, 2, NtServer).Suite(SuiteStorageServer),
       "Microsoft Windows Storage Server 2003 Standard", None},
      {"storage bit with others is a plain 2003", Nt(5, 2, NtServer).Suite(SuiteStorageServer | SuiteEnterprise),
       "Microsoft Windows Server 2003 Enterprise", None},
      {"2003 workstation on x86", Nt(5, 2), "Microsoft Windows Server 2003 Professional", None},
      {"2003 compute cluster first", Nt(5, 2, NtServer).Suite(SuiteComputeServer | SuiteDatacenter),
       "Microsoft Windows Server 2003 Compute Cluster", None},
      {"2003 datacenter", Nt(5, 2, NtServer).Suite(SuiteDatacenter | SuiteEnterprise),
       "Microsoft Windows Server 2003 Datacenter", None},
      {"2003 web needs the blade bit alone", Nt(5, 2, NtServer).Suite(SuiteBlade), "Microsoft Windows Server 2003 Web",
       None},
      {"blade with enterprise", Nt(5, 2, NtServer).Suite(SuiteBlade | SuiteEnterprise),
       "Microsoft Windows Server 2003 Enterprise", None},
      {"blade with another bit is standard", Nt(5, 2, NtServer).Suite(SuiteBlade | 0x0100),
       "Microsoft Windows Server 2003 Standard", None},
      {"Itanium datacenter", Nt(5, 2, NtServer).Arch(ArchitectureItanium).Suite(SuiteDatacenter),
       "Microsoft Windows Server 2003 Datacenter for Itanium-based Systems", None},
      {"Itanium enterprise", Nt(5, 2, NtServer).Arch(ArchitectureItanium).Suite(SuiteEnterprise),
       "Microsoft Windows Server 2003 Enterprise for Itanium-based Systems", None},
      {"Itanium standard", Nt(5, 2, NtServer).Arch(ArchitectureItanium),
       "Microsoft Windows Server 2003 Standard Itanium-based", None},
      {"x64 datacenter", Nt(5, 2, NtServer).Arch(ArchitectureX64).Suite(SuiteDatacenter | SuiteEnterprise),
       "Microsoft Windows Server 2003 Datacenter x64", None},
      {"x64 enterprise", Nt(5, 2, NtServer).Arch(ArchitectureX64).Suite(SuiteEnterprise),
       "Microsoft Windows Server 2003 Enterprise x64", None},
      {"x64 standard", Nt(5, 2, NtServer).Arch(ArchitectureX64), "Microsoft Windows Server 2003 Standard x64", None},
      {"other architecture in upper-case hex", Nt(5, 2, NtServer).Arch(12),
       "Microsoft Windows Server 2003 Unknown on Architecture 0xC", None},
      {"XP as a server", Nt(5, 1, NtServer), "Microsoft Windows XP Unknown Server", None},
      {"XP as a domain controller", Nt(5, 1, NtDomainController), "Microsoft Windows XP Unknown Domain controller",
       None},
      {"unknown minor of 5", Nt(5, 3), "Microsoft Windows Unknown version Professional", None},
      {"unknown product type", Nt(5, 1, 0), "Microsoft Windows XP Unknown", None},
  };
  for (const Case& c : cases) ExpectDescription(c);
}

TEST(WindowsDescription, Version6UsesTheProductCodeAndBitness) {
  const std::vector<Case> cases = {
      {"Vista", Nt(6, 0).Product(0x06), "Microsoft Windows Vista Business 32-bit", Vista},
      {"Server 2008", Nt(6, 0, NtServer).Product(0x07).Arch(ArchitectureX64),
       "Microsoft Windows Server 2008 Standard Server 64-bit", Vista64},
      {"7 Ultimate x86 SP1", Nt(6, 1).Product(0x01).Sp("Service Pack 1"),
       "Microsoft Windows 7 Ultimate 32-bit Service Pack 1", Vista},
      {"7 Ultimate x64 SP1", Nt(6, 1).Product(0x01).Arch(ArchitectureX64).Sp("Service Pack 1"),
       "Microsoft Windows 7 Ultimate 64-bit Service Pack 1", Vista64},
      {"2008 R2 on Itanium has no bitness", Nt(6, 1, NtServer).Product(0x0F).Arch(ArchitectureItanium),
       "Microsoft Windows Server 2008 R2 Enterprise for Itanium-based Systems", Vista},
      {"8.1 reported as 6.3", Nt(6, 3).Product(0x30).Arch(ArchitectureX64), "Microsoft Windows 8.1 Professional 64-bit",
       Vista64},
      {"2012 R2 reported as 6.3", Nt(6, 3, NtServer).Product(0x08).Arch(ArchitectureX64),
       "Microsoft Windows Server 2012 R2 Datacenter 64-bit", Vista64},
      {"unlisted code in hex", Nt(6, 1).Product(0x65), "Microsoft Windows 7 Unknown 0x65 32-bit", Vista},
      {"unlisted code upper-case", Nt(6, 1).Product(0xAB), "Microsoft Windows 7 Unknown 0xAB 32-bit", Vista},
      {"unlicensed", Nt(6, 1).Product(0xABCDABCD), "Microsoft Windows 7 UNLICENSED 32-bit", Vista},
      {"minor 4 has no name", Nt(6, 4).Product(0x30).Arch(ArchitectureX64), "Microsoft Windows Professional 64-bit",
       Vista64},
  };
  for (const Case& c : cases) ExpectDescription(c);

  Facts notExported = Nt(6, 1).Arch(ArchitectureX64);
  EXPECT_EQ(DescribeWindows(notExported.F).Text, "Microsoft Windows 7 Unknown 64-bit");
  Facts failed = Nt(6, 1).Product(0x01);
  failed.F.ProductInfoSucceeded = false;
  EXPECT_EQ(DescribeWindows(failed.F).Text, "Microsoft Windows 7 Unknown 32-bit");
}

TEST(WindowsDescription, Version62AsksTheConsoleWhichWindowsItReallyIs) {
  const std::vector<Case> cases = {
      {"8", Nt(6, 2).Product(0x30).Ver("\r\nMicrosoft Windows [Version 6.2.9200]\r\n"),
       "Microsoft Windows 8 Professional 32-bit", Vista},
      {"Server 2012",
       Nt(6, 2, NtServer).Product(0x07).Arch(ArchitectureX64).Ver("Microsoft Windows [Version 6.2.9200]"),
       "Microsoft Windows Server 2012 Standard Server 64-bit", Vista64},
      {"8.1 reported as 6.2", Nt(6, 2).Product(0x30).Ver("\r\nMicrosoft Windows [Version 6.3.9600]\r\n"),
       "Microsoft Windows 8.1 Professional 32-bit", Vista},
      {"Server 2012 R2 reported as 6.2", Nt(6, 2, NtServer).Product(0x08).Ver("Microsoft Windows [Version 6.3.9600]"),
       "Microsoft Windows Server 2012 R2 Datacenter 32-bit", Vista},
      {"10 Pro x64 reported as 6.2",
       Nt(6, 2).Product(0x30).Arch(ArchitectureX64).Ver("\r\nMicrosoft Windows [Version 10.0.19045.3803]\r\n"),
       "Microsoft Windows 10 Professional 64-bit", Vista10x64},
      {"Server 10", Nt(6, 2, NtServer).Product(0x07).Ver("Microsoft Windows [Version 10.0.17763]"),
       "Microsoft Windows Server 10 Standard Server 32-bit", Vista10},
      // Neither 6.2, 6.3 nor 10: the name is cut out of the output and no Windows 10 flag is set.
      {"name from output", Nt(6, 2).Product(0x30).Ver("\r\nMicrosoft Windows [Version 12.0.30000]\r\n"),
       "Microsoft Windows 12 Professional 32-bit", Vista},
      {"server name from output", Nt(6, 2, NtServer).Product(0x07).Ver("Microsoft Windows [Version 12.0.1]"),
       "Microsoft Windows Server 12 Standard Server 32-bit", Vista},
  };
  for (const Case& c : cases) ExpectDescription(c);
}

TEST(WindowsDescription, MajorVersion10AndUnknownMajorsSetTheWindows10Flag) {
  const std::vector<Case> cases = {
      {"10 uses no product code", Nt(10, 0).Product(0x30).Arch(ArchitectureX64),
       "Microsoft Windows 10 Unknown Workstation", Vista10},
      {"Server 10", Nt(10, 0, NtServer), "Microsoft Windows Server 10 Unknown Server", Vista10},
      {"10 with another minor has no name", Nt(10, 1), "Microsoft Windows Unknown Workstation", Vista10},
      {"major 11 from the console", Nt(11, 0).Ver("\r\nMicrosoft Windows [Version 11.0.1]\r\n"),
       "Microsoft Windows 11 Unknown Workstation", Win10},
      {"major 7 server from the console", Nt(7, 0, NtServer).Ver("Microsoft Windows [Version 11.0.1]"),
       "Microsoft Windows Server 11 Unknown Server", Win10},
      // No ComSpec: the name is empty and two blanks follow each other.
      {"empty console output", Nt(12, 0, NtServer), "Microsoft Windows Server  Unknown Server", Win10},
      {"no \"ion\" in the output: cut from position 4", Nt(2, 0).Ver("Windows 9.1"),
       "Microsoft Windows dows 9 Unknown Workstation", Win10},
      {"dot before \"ion\" gives an empty name", Nt(8, 0).Ver("v.1 Version 8"),
       "Microsoft Windows  Unknown Workstation", Win10},
  };
  for (const Case& c : cases) ExpectDescription(c);
}

TEST(WindowsDescription, RunsTheConsoleOnlyWhereTheVersionNumbersCannotBeTrusted) {
  struct Count {
    uint32_t Major, Minor;
    int Expected;
  };
  for (const Count& c : {Count{4, 0, 0}, Count{5, 1, 0}, Count{6, 0, 0}, Count{6, 1, 0}, Count{6, 2, 1}, Count{6, 3, 0},
                         Count{6, 4, 0}, Count{10, 0, 0}, Count{11, 0, 1}, Count{3, 51, 0}}) {
    auto calls = std::make_shared<int>(0);
    Facts f = Nt(c.Major, c.Minor);
    f.F.VerOutput = [calls] {
      ++*calls;
      return std::string("Microsoft Windows [Version 10.0.1]");
    };
    DescribeWindows(f.F);
    EXPECT_EQ(*calls, c.Expected) << c.Major << "." << c.Minor;
  }
  Facts win9x = Win9x(10, 2222);
  auto calls = std::make_shared<int>(0);
  win9x.F.VerOutput = [calls] {
    ++*calls;
    return std::string();
  };
  DescribeWindows(win9x.F);
  EXPECT_EQ(*calls, 0);
}

TEST(WindowsDescription, WithoutTheExtendedStructureTheRegistryTellsTheEdition) {
  const std::vector<Case> cases = {
      {"WinNT in any case", Nt(4, 0).Basic().ProductOptions("WinNt").Sp("Service Pack 3"),
       "Microsoft Windows NT Workstation Service Pack 3", None},
      {"LanmanNT", Nt(4, 0).Basic().ProductOptions("LANMANNT"), "Microsoft Windows NT Server", None},
      {"ServerNT", Nt(4, 0).Basic().ProductOptions("servernt"), "Microsoft Windows NT Advanced Server", None},
      {"anything else", Nt(4, 0).Basic().ProductOptions("Terminal"), "Microsoft Windows NT Unknown", None},
      // The basic structure has no product type, so the version name is the server one.
      {"even on version 6", Nt(6, 1).Basic().ProductOptions("WinNT").Product(0x01),
       "Microsoft Windows Server 2008 R2 Workstation", Vista},
      {"key missing: nothing", Nt(4, 0).Basic().Sp("Service Pack 2"), "Microsoft Windows NT  Service Pack 2", None},
  };
  for (const Case& c : cases) ExpectDescription(c);

  Facts notString = Nt(4, 0).Basic().ProductOptions("WINNT");
  notString.F.ProductTypeIsString = false;
  EXPECT_EQ(DescribeWindows(notString.F).Text, "Microsoft Windows NT ");
}

TEST(WindowsDescription, ServicePackTextAndTheNt4Hotfix) {
  const std::vector<Case> cases = {
      {"SP6 with Q246009 is SP6a", Nt(4, 0).Sp("Service Pack 6").Q246009(),
       "Microsoft Windows NT Workstation Service Pack 6a", None},
      {"SP6 without the hotfix", Nt(4, 0).Sp("Service Pack 6"), "Microsoft Windows NT Workstation Service Pack 6",
       None},
      {"hotfix only matters on SP6", Nt(4, 0).Sp("Service Pack 5").Q246009(),
       "Microsoft Windows NT Workstation Service Pack 5", None},
      {"hotfix only matters on NT 4", Nt(5, 0).Sp("Service Pack 6").Q246009(),
       "Microsoft Windows 2000 Professional Service Pack 6", None},
      {"blank and control characters are no service pack", Nt(5, 1).Sp(" \t\r\n "), "Microsoft Windows XP Professional",
       None},
      {"a service pack keeps its blanks", Nt(5, 1).Sp(" Beta "), "Microsoft Windows XP Professional  Beta ", None},
      // Bytes above 0x7F are text, not control characters.
      {"Cyrillic service pack", Nt(5, 1).Sp("\xC1"), "Microsoft Windows XP Professional \xC1", None},
  };
  for (const Case& c : cases) ExpectDescription(c);
}

TEST(WindowsDescription, UnreadableVersionOrUnknownPlatformIsUnknown) {
  Facts unread = Nt(6, 1).Product(0x01).Arch(ArchitectureX64);
  unread.F.VersionRead = false;
  Facts windowsCe = Nt(6, 1).Product(0x01).Arch(ArchitectureX64);
  windowsCe.F.PlatformId = 3;
  for (const Facts& f : {unread, windowsCe}) {
    const WindowsDescription d = DescribeWindows(f.F);
    EXPECT_FALSE(d.VersionRead);
    EXPECT_EQ(d.Text, "unknown");
    EXPECT_FALSE(d.VistaOrLater);
    EXPECT_FALSE(d.Windows10OrLater);
    EXPECT_FALSE(d.WindowsNtFamily);
  }

  std::string description = "stale", servicePack = "stale";
  bool vista = true, win10 = true;
  EXPECT_FALSE(ReadWindowsVersion(windowsCe.F, description, servicePack, vista, win10));
  EXPECT_FALSE(vista);
  EXPECT_FALSE(win10);
  EXPECT_TRUE(servicePack.empty());
}

TEST(WindowsDescription, ReadWindowsVersionKeepsServicePackApart) {
  std::string description, servicePack;
  bool vista = false, win10 = false;
  ASSERT_TRUE(ReadWindowsVersion(Nt(10, 0).Sp("  ").F, description, servicePack, vista, win10));
  EXPECT_EQ(description, "Microsoft Windows 10 Unknown Workstation");
  EXPECT_EQ(servicePack, "  ");
  EXPECT_TRUE(vista);
  EXPECT_TRUE(win10);
}

TEST(WindowsDescription, ProductCodeTableEdges) {
  EXPECT_EQ(ProductCodeText(0x00), "Unknown 0x0");
  EXPECT_EQ(ProductCodeText(0x01), "Ultimate");
  EXPECT_EQ(ProductCodeText(0x18), "for Small Business");
  EXPECT_EQ(ProductCodeText(0x1D), "Web (core installation)");
  EXPECT_EQ(ProductCodeText(0x20), "Essential Business Server Messaging Server");
  EXPECT_EQ(ProductCodeText(0x21), "Unknown 0x21");
  EXPECT_EQ(ProductCodeText(0x2E), "Unknown 0x2E");
  EXPECT_EQ(ProductCodeText(0x2F), "Starter N");
  EXPECT_EQ(ProductCodeText(0x31), "Professional N");
  EXPECT_EQ(ProductCodeText(0x32), "Unknown 0x32");
  EXPECT_EQ(ProductCodeText(0x41), "Unknown 0x41");
  EXPECT_EQ(ProductCodeText(0x42), "Starter E");
  EXPECT_EQ(ProductCodeText(0x47), "Ultimate E");
  EXPECT_EQ(ProductCodeText(0x48), "Unknown 0x48");
  EXPECT_EQ(ProductCodeText(0xABCDABCD), "UNLICENSED");
  EXPECT_EQ(ProductCodeText(0xABCDABCE), "Unknown 0xABCDABCE");
}

class WindowsFlags : public ::testing::Test {
 protected:
  void TearDown() override { VistaOrLater = Windows10OrLater = Is64BitWindows = WindowsNtFamily = false; }
};

TEST_F(WindowsFlags, ApplyStoresAllFourFlags) {
  ApplyWindowsFlags(DescribeWindows(Nt(6, 2).Product(0x30).Arch(ArchitectureX64).Ver(" 10.0").F));
  EXPECT_TRUE(VistaOrLater);
  EXPECT_TRUE(Windows10OrLater);
  EXPECT_TRUE(Is64BitWindows);
  EXPECT_TRUE(WindowsNtFamily);

  ApplyWindowsFlags(DescribeWindows(Win9x(10, 2222).F));
  EXPECT_FALSE(VistaOrLater);
  EXPECT_FALSE(Windows10OrLater);
  EXPECT_FALSE(Is64BitWindows);
  EXPECT_FALSE(WindowsNtFamily);
}

TEST_F(WindowsFlags, UnreadableVersionClearsTheVersionFlagsButKeeps64Bit) {
  ApplyWindowsFlags(DescribeWindows(Nt(10, 0).Arch(ArchitectureX64).Product(0x30).F));
  Is64BitWindows = true;
  Facts unread = Nt(6, 1);
  unread.F.VersionRead = false;
  ApplyWindowsFlags(DescribeWindows(unread.F));
  EXPECT_FALSE(VistaOrLater);
  EXPECT_FALSE(Windows10OrLater);
  EXPECT_FALSE(WindowsNtFamily);
  EXPECT_TRUE(Is64BitWindows);
}

TEST(ConsoleTextLines, EveryLineEndsInCrLfAndThereIsAlwaysOne) {
  struct Row {
    std::string Raw, Lines;
  };
  for (const Row& r : std::vector<Row>{
           {"", "\r\n"},
           {"\r\n", "\r\n"},
           {"ver", "ver\r\n"},
           {"a\r\nb\r\n", "a\r\nb\r\n"},
           {"a\nb", "a\r\nb\r\n"},
           {"a\rb\r", "a\r\nb\r\n"},
           {"\r\nMicrosoft Windows [Version 6.1.7601]\r\n", "\r\nMicrosoft Windows [Version 6.1.7601]\r\n"},
           {"a\r\n\r\nb", "a\r\n\r\nb\r\n"},
           {"a\n\rb", "a\r\n\r\nb\r\n"},
       })
    EXPECT_EQ(ConsoleTextLines(r.Raw), r.Lines) << testing::PrintToString(r.Raw);
}

}  // namespace
