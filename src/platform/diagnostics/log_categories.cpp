#include "log_categories.h"

// Warning level as the default threshold: info and debug stay off until a rule enables them.
Q_LOGGING_CATEGORY(lcSerial, "pelnor.serial", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSerialTrace, "pelnor.serial.trace", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHid, "pelnor.hid", QtWarningMsg)
Q_LOGGING_CATEGORY(lcHidTrace, "pelnor.hid.trace", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "pelnor.files", QtWarningMsg)
