#pragma once
// Where a file dialog starts: the program folder's own `subfolder` when it
// has one (a program unpacked with its config/ and remote/ folders), else
// "Pelnor Rudi/<subfolder>" in the user's documents folder, created on the
// way. Both end with a slash.
#include <string>

std::string DialogStartFolder(const std::string& programFolder, const std::string& subfolder);
