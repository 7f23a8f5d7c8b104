// Diagnostic log categories: silent unless switched on, for example with
// QT_LOGGING_RULES="pelnor.*=true". Diagnostics are written with qCInfo,
// byte traces with qCDebug; nothing is written at warning level or above,
// so that nothing prints by default.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSerial)
Q_DECLARE_LOGGING_CATEGORY(lcSerialTrace)
Q_DECLARE_LOGGING_CATEGORY(lcHid)
Q_DECLARE_LOGGING_CATEGORY(lcHidTrace)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
