#pragma once
// The Windows side of the environment: start, end and the two bilingual message boxes.
#include <string>

// Runs once before the deliverable's own code: seeds the random generator, reads the locale,
// describes Windows, creates SharedRegistry in the right view, reads the launch word.
void InitializeEnvironment();

void ShowError(const std::string& english, const std::string& russian);
int ShowNotice(const std::string& english, const std::string& russian);

// The notice icon differs between deliverables: a warning in the main program, information in
// the uninstaller. The value is an MB_ICON* constant.
extern unsigned NoticeIcon;

// The first command-line parameter, empty when there is none.
std::string FirstParameter();
