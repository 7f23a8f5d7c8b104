#include "message_pattern.h"

#include <QString>
#include <QtGlobal>

void InstallLogMessagePattern() {
  qSetMessagePattern(QStringLiteral("%{time yyyy-MM-dd hh:mm:ss.zzz} %{category}: %{message}"));
}
