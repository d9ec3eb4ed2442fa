#include "common/WindowsDescription.h"

#include <cstdio>

bool VistaOrLater = false;
bool Windows10OrLater = false;
bool Is64BitWindows = false;
bool WindowsNtFamily = false;

namespace {

std::string Hex(uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
  return buffer;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

char SecondCharacter(const std::string& text) { return text.size() >= 2 ? text[1] : '\0'; }

std::string Win9xName(const WindowsFacts& f) {
  const uint32_t build = f.Build & 0xFFFF;
  const char c = SecondCharacter(f.ServicePack);
  if (f.Major == 4 && (f.Minor == 0 || f.Minor == 3)) {
    if (build == 1111) return "95 OSR 2.0";
    if (build == 1212 || build == 1213) return "95 OSR 2.1";
    if (build == 1214) return c == 'C' ? "95 OSR 2.5" : "95 OSR 2.1";
    if (build > 1080) return "95 OSR 2.x";
    return (c == 'A' || c == 'W') ? "95 OSR 1" : "95";
  }
  if (f.Major == 4 && f.Minor == 10) return (build == 2222 || c == 'A' || c == 'B') ? "98 SE" : "98";
  if (f.Major == 4 && f.Minor == 90) return "Millennium";
  return "Unknown 9x";
}

// The version name as the first line of "ver" shows it, e.g. "Microsoft Windows [Version 11.0.1]"
// gives "11": the text between "ion " and the first dot.
std::string NameFromVerOutput(const std::string& output) {
  const size_t ion = output.find("ion");
  const size_t dot = output.find('.');
  // 1-based positions; an absent "ion" counts as position 0.
  const long p = (ion == std::string::npos ? 0 : static_cast<long>(ion) + 1) + 4;
  const long q = dot == std::string::npos ? 0 : static_cast<long>(dot) + 1;
  const long count = q - p;
  if (count <= 0 || p > static_cast<long>(output.size())) return "";
  return output.substr(static_cast<size_t>(p - 1), static_cast<size_t>(count));
}

std::string RunVer(const WindowsFacts& f) { return f.VerOutput ? f.VerOutput() : std::string(); }

std::string BitnessSuffix(uint16_t architecture) {
  if (architecture == ArchitectureX64) return " 64-bit";
  if (architecture == ArchitectureX86) return " 32-bit";
  return "";
}

std::string WorkstationEdition(const WindowsFacts& f) {
  if (f.Major == 4) return "Workstation";
  if (f.Major == 5) {
    if (f.Minor == 2 && f.Architecture == ArchitectureX64) return "Professional x64";
    if (f.Starter != 0) return "Starter";
    if (f.MediaCenter != 0) return "Media Center";
    if (f.TabletPc != 0) return "Tablet PC";
    if (f.SuiteMask & SuitePersonal) return "Home";
    if (f.SuiteMask & SuiteEmbeddedNt) return "Embedded";
    return "Professional";
  }
  return "Unknown Workstation";
}

std::string ServerEdition(const WindowsFacts& f) {
  const uint16_t suite = f.SuiteMask;
  if (f.Major == 4) return (suite & SuiteEnterprise) ? "Server 4.0 Enterprise" : "Server 4.0";
  if (f.Major == 5 && f.Minor == 0) {
    if (suite & SuiteDatacenter) return "Datacenter Server";
    if (suite & SuiteEnterprise) return "Advanced Server";
    return "Server";
  }
  if (f.Major == 5 && f.Minor == 2) {
    switch (f.Architecture) {
      case ArchitectureX86:
        if (suite & SuiteComputeServer) return "Compute Cluster";
        if (suite & SuiteDatacenter) return "Datacenter";
        if (suite & SuiteEnterprise) return "Enterprise";
        if (suite == SuiteBlade) return "Web";
        return "Standard";
      case ArchitectureItanium:
        if (suite & SuiteDatacenter) return "Datacenter for Itanium-based Systems";
        if (suite & SuiteEnterprise) return "Enterprise for Itanium-based Systems";
        return "Standard Itanium-based";
      case ArchitectureX64:
        if (suite & SuiteDatacenter) return "Datacenter x64";
        if (suite & SuiteEnterprise) return "Enterprise x64";
        return "Standard x64";
      default:
        return "Unknown on Architecture 0x" + Hex(f.Architecture);
    }
  }
  return f.ProductType == NtServer ? "Unknown Server" : "Unknown Domain controller";
}

// Without the extended structure only the registry tells workstation from server.
std::string EditionFromProductOptions(const WindowsFacts& f) {
  if (!f.ProductOptionsOpened || !f.ProductTypeIsString) return "";
  std::string type = f.ProductTypeValue;
  for (char& c : type)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (type == "WINNT") return "Workstation";
  if (type == "LANMANNT") return "Server";
  if (type == "SERVERNT") return "Advanced Server";
  return "Unknown";
}

std::string Edition(const WindowsFacts& f) {
  if (!f.Extended) return EditionFromProductOptions(f);
  if (f.Major == 6) {
    const std::string product =
        (f.ProductInfoExported && f.ProductInfoSucceeded) ? ProductCodeText(f.ProductCode) : "Unknown";
    return product + BitnessSuffix(f.Architecture);
  }
  if (f.ProductType == NtWorkstation) return WorkstationEdition(f);
  if (f.ProductType == NtDomainController || f.ProductType == NtServer) return ServerEdition(f);
  return "Unknown";
}

}  // namespace

std::string ProductCodeText(uint32_t code) {
  switch (code) {
    case 0x01:
      return "Ultimate";
    case 0x02:
      return "Home Basic";
    case 0x03:
      return "Home Premium";
    case 0x04:
      return "Enterprise";
    case 0x05:
      return "Home Basic N";
    case 0x06:
      return "Business";
    case 0x07:
      return "Standard Server";
    case 0x08:
      return "Datacenter";
    case 0x09:
      return "Small Business Server";
    case 0x0A:
      return "Enterprise";
    case 0x0B:
      return "Starter";
    case 0x0C:
      return "Datacenter (core installation)";
    case 0x0D:
      return "Standard Server (core installation)";
    case 0x0E:
      return "Enterprise (core installation)";
    case 0x0F:
      return "Enterprise for Itanium-based Systems";
    case 0x10:
      return "Business N";
    case 0x11:
      return "Web";
    case 0x12:
      return "Cluster";
    case 0x13:
      return "Home";
    case 0x14:
      return "Storage Server Express";
    case 0x15:
      return "Storage Server Standard";
    case 0x16:
      return "Storage Server Workgroup";
    case 0x17:
      return "Storage Server Enterprise";
    case 0x18:
      return "for Small Business";
    case 0x19:
      return "Small Business Server Premium";
    case 0x1A:
      return "Home Premium N";
    case 0x1B:
      return "Enterprise N";
    case 0x1C:
      return "Ultimate N";
    case 0x1D:
      return "Web (core installation)";
    case 0x1E:
      return "Essential Business Server Management Server";
    case 0x1F:
      return "Essential Business Server Security Server";
    case 0x20:
      return "Essential Business Server Messaging Server";
    case 0x2F:
      return "Starter N";
    case 0x30:
      return "Professional";
    case 0x31:
      return "Professional N";
    case 0x42:
      return "Starter E";
    case 0x43:
      return "Home Basic E";
    case 0x44:
      return "Home Premium E";
    case 0x45:
      return "Professional E";
    case 0x46:
      return "Enterprise E";
    case 0x47:
      return "Ultimate E";
    case 0xABCDABCD:
      return "UNLICENSED";
    default:
      return "Unknown 0x" + Hex(code);
  }
}

bool ReadWindowsVersion(const WindowsFacts& f, std::string& description, std::string& servicePack, bool& vistaOrLater,
                        bool& windows10OrLater) {
  vistaOrLater = false;
  windows10OrLater = false;
  description.clear();
  servicePack.clear();
  if (!f.VersionRead) return false;

  description = "Microsoft Windows ";

  if (f.PlatformId == PlatformWin9x) {
    description += Win9xName(f);
    servicePack = f.ServicePack;
    return true;
  }
  if (f.PlatformId != PlatformWinNt) return false;

  const bool workstation = f.ProductType == NtWorkstation;
  auto pick = [workstation](const char* client, const char* server) { return workstation ? client : server; };
  auto nameFromVer = [&](const std::string& output) {
    return (workstation ? std::string() : std::string("Server ")) + NameFromVerOutput(output);
  };

  std::string name;
  bool named = true;
  switch (f.Major) {
    case 3:
    case 4:
      name = "NT";
      break;
    case 5:
      if (f.Minor == 0) {
        name = "2000";
      } else if (f.Minor == 1) {
        name = "XP";
      } else if (f.Minor == 2) {
        if (f.ServerR2 != 0)
          name = "Server 2003 R2";
        else if (f.SuiteMask == SuiteStorageServer)
          name = "Storage Server 2003";
        else if (workstation && f.Architecture == ArchitectureX64)
          name = "XP";
        else
          name = "Server 2003";
      } else {
        name = "Unknown version";
      }
      break;
    case 6:
      vistaOrLater = true;
      if (f.Minor == 0) {
        name = pick("Vista", "Server 2008");
      } else if (f.Minor == 1) {
        name = pick("7", "Server 2008 R2");
      } else if (f.Minor == 3) {
        name = pick("8.1", "Server 2012 R2");
      } else if (f.Minor == 2) {
        // Without a compatibility manifest Windows 8 and later all say 6.2; the console knows better.
        const std::string output = RunVer(f);
        if (Contains(output, " 6.2")) {
          name = pick("8", "Server 2012");
        } else if (Contains(output, " 6.3")) {
          name = pick("8.1", "Server 2012 R2");
        } else if (Contains(output, " 10")) {
          windows10OrLater = true;
          name = pick("10", "Server 10");
        } else {
          name = nameFromVer(output);
        }
      } else {
        named = false;
      }
      break;
    case 10:
      vistaOrLater = true;
      windows10OrLater = true;
      if (f.Minor == 0)
        name = pick("10", "Server 10");
      else
        named = false;
      break;
    default:
      windows10OrLater = true;
      name = nameFromVer(RunVer(f));
      break;
  }
  if (named) description += name + " ";

  description += Edition(f);

  servicePack = f.ServicePack;
  if (f.Major == 4 && f.ServicePack == "Service Pack 6" && f.Q246009Exists) servicePack = "Service Pack 6a";
  return true;
}

WindowsDescription DescribeWindows(const WindowsFacts& facts) {
  WindowsDescription result;
  std::string description, servicePack;
  result.VersionRead =
      ReadWindowsVersion(facts, description, servicePack, result.VistaOrLater, result.Windows10OrLater);
  if (!result.VersionRead) {
    result.Text = "unknown";
    return result;
  }
  result.WindowsNtFamily = facts.PlatformId == PlatformWinNt;

  result.Text = description;
  bool servicePackBlank = true;
  for (char c : servicePack)
    if (static_cast<unsigned char>(c) > ' ') servicePackBlank = false;
  if (!servicePackBlank) result.Text += " " + servicePack;

  result.Is64BitWindows = Contains(result.Text, " 64");
  return result;
}

void ApplyWindowsFlags(const WindowsDescription& description) {
  VistaOrLater = description.VistaOrLater;
  Windows10OrLater = description.Windows10OrLater;
  WindowsNtFamily = description.WindowsNtFamily;
  if (description.VersionRead) Is64BitWindows = description.Is64BitWindows;
}

std::string ConsoleTextLines(const std::string& raw) {
  std::string result;
  size_t i = 0;
  do {
    size_t end = raw.find_first_of("\r\n", i);
    if (end == std::string::npos) end = raw.size();
    result.append(raw, i, end - i);
    result += "\r\n";
    i = end;
    if (i < raw.size() && raw[i] == '\r') {
      ++i;
      if (i < raw.size() && raw[i] == '\n') ++i;
    } else if (i < raw.size()) {
      ++i;  // a lone LF
    }
  } while (i < raw.size());
  return result;
}
