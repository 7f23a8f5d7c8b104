#include "com_port_diagnostics.h"

#include <cerrno>
#include <cstring>

#include "log_categories.h"

namespace {

struct TErrorHint {
  int Error;
  const char* Hint;
};

constexpr char NoPermissionHint[] =
    "the user may not open the device: add the user to the device's group, usually dialout "
    "(sudo usermod -aG dialout $USER), then log out and in again; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char HeldHint[] =
    "another program holds the port; ModemManager and brltty are known to take a freshly plugged "
    "USB serial port: stop them or tell them to leave the device alone; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char MissingHint[] =
    "the link or the device is missing: check the dosdevices link and that the device is plugged in; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";

// EWOULDBLOCK is EAGAIN on Linux.
constexpr TErrorHint ErrorHints[] = {
    {EACCES, NoPermissionHint}, {EPERM, NoPermissionHint}, {EBUSY, HeldHint},    {EAGAIN, HeldHint},
    {ENOENT, MissingHint},      {ENODEV, MissingHint},     {ENXIO, MissingHint},
};

}  // namespace

std::string ComPortErrorHint(int error) {
  for (const TErrorHint& entry : ErrorHints) {
    if (entry.Error == error) return entry.Hint;
  }
  return {};
}

void LogComPortFailure(const char* call, const std::string& path, int error) {
  const std::string hint = ComPortErrorHint(error);
  qCInfo(lcSerial, "%s on %s failed: %s%s%s", call, path.c_str(), std::strerror(error), hint.empty() ? "" : "; ",
         hint.c_str());
}
