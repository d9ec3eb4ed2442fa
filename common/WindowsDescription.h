#pragma once
// What Windows reports about itself, turned into one line such as
// "Microsoft Windows 7 Ultimate 64-bit Service Pack 1" and the flags the rest of the program adapts to.
// The Win32 side only gathers WindowsFacts (WindowsFactsWin32.h); everything here is computed from them.
#include <cstdint>
#include <functional>
#include <string>

// Process-wide flags, false at process start, set by DescribeWindows().
extern bool VistaOrLater;
extern bool Windows10OrLater;
extern bool Is64BitWindows;
extern bool WindowsNtFamily;  // the platform identifier is the NT one (2)

enum : uint32_t { PlatformWin9x = 1, PlatformWinNt = 2 };
enum : uint8_t { NtWorkstation = 1, NtDomainController = 2, NtServer = 3 };
enum : uint16_t { ArchitectureX86 = 0, ArchitectureItanium = 6, ArchitectureX64 = 9 };
enum : uint16_t {
  SuiteEnterprise = 0x0002,
  SuiteEmbeddedNt = 0x0040,
  SuiteDatacenter = 0x0080,
  SuitePersonal = 0x0200,
  SuiteBlade = 0x0400,
  SuiteStorageServer = 0x2000,
  SuiteComputeServer = 0x4000,
};

struct WindowsFacts {
  // GetVersionExA: VersionRead is false when both structure sizes failed;
  // Extended is true when the 156-byte structure was accepted.
  bool VersionRead = false;
  bool Extended = false;
  uint32_t Major = 0;
  uint32_t Minor = 0;
  uint32_t Build = 0;
  uint32_t PlatformId = 0;
  std::string ServicePack;
  uint16_t SuiteMask = 0;
  uint8_t ProductType = 0;

  uint16_t Architecture = ArchitectureX86;

  // GetProductInfo(6, 0, 0, 0).
  bool ProductInfoExported = false;
  bool ProductInfoSucceeded = false;
  uint32_t ProductCode = 0;

  // GetSystemMetrics.
  int ServerR2 = 0;     // SM_SERVERR2
  int Starter = 0;      // SM_STARTER
  int MediaCenter = 0;  // SM_MEDIACENTER
  int TabletPc = 0;     // SM_TABLETPC

  // HKLM\SYSTEM\CurrentControlSet\Control\ProductOptions, value "ProductType".
  bool ProductOptionsOpened = false;
  bool ProductTypeIsString = false;  // read succeeded and the value is a string
  std::string ProductTypeValue;

  // HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Hotfix\Q246009 opens.
  bool Q246009Exists = false;

  // Output of the console command "ver"; starting a console is slow, so it runs only
  // when the version numbers cannot be trusted. An empty function stands for an empty output.
  std::function<std::string()> VerOutput;
};

struct WindowsDescription {
  std::string Text;          // "unknown" when VersionRead is false
  bool VersionRead = false;  // what ReadWindowsVersion answered
  bool VistaOrLater = false;
  bool Windows10OrLater = false;
  bool Is64BitWindows = false;  // meaningful only when VersionRead
  bool WindowsNtFamily = false;
};

// Description and service-pack text separately; false when the version could not be read or the
// platform is neither 9x nor NT. The two flags are cleared first and set on the way.
bool ReadWindowsVersion(const WindowsFacts& facts, std::string& description, std::string& servicePack,
                        bool& vistaOrLater, bool& windows10OrLater);

WindowsDescription DescribeWindows(const WindowsFacts& facts);

// Stores the flags of a description in the process-wide variables; Is64BitWindows keeps its value
// when the version could not be read.
void ApplyWindowsFlags(const WindowsDescription& description);

// Edition text of a GetProductInfo code: "Unknown 0x" and the hexadecimal code when not known.
std::string ProductCodeText(uint32_t code);

// Raw console output, split at CR LF, LF or CR, each line followed by CR LF. At least one line:
// an empty text becomes "\r\n"; a final line end adds no empty line.
std::string ConsoleTextLines(const std::string& raw);
