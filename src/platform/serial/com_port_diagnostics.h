#pragma once
// What lies behind a COM port failure, for the pelnor.serial log.
#include <string>

// A hint for the usual causes of a failed open or lock; empty when the
// error has none. A permission error names the group and mode that the
// device has now.
std::string ComPortErrorHint(int error, const std::string& device);

// Logs "<call> on <path> failed: <system's text>", with the hint if any.
void LogComPortFailure(const char* call, const std::string& path, int error);
