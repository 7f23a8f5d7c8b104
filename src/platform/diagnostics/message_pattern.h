// The programs' log line: time stamp, category, message. QT_MESSAGE_PATTERN
// still overrides it.
#pragma once

void InstallLogMessagePattern();
