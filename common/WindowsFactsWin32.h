#pragma once
// The Windows side of the version description (WindowsDescriptionWin32.cpp, Windows build only).
#include <string>

#include "common/WindowsDescription.h"

// A console command that has not ended by then is killed: a hanging command must not keep
// the program from starting.
constexpr unsigned long ConsoleCommandTimeoutMs = 5000;

// Asks the running system; the "ver" output is fetched only if the description needs it.
WindowsFacts GatherWindowsFacts();

// Gathers, describes, sets VistaOrLater, Windows10OrLater, Is64BitWindows and WindowsNtFamily
// and returns the text ("unknown" when the version cannot be read).
std::string DescribeWindows();

// Runs command through %ComSpec% in a hidden console and returns its standard output in the
// ANSI code page, each line followed by CR LF. "" when ComSpec is not set; "\r\n" when the
// command produced no output file.
std::string RunConsoleCommand(const std::string& command, unsigned long timeoutMs = ConsoleCommandTimeoutMs);

// OEM code page to ANSI code page, same length; empty stays empty.
std::string OemToAnsiText(const std::string& text);
