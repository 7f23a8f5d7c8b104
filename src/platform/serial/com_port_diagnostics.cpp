#include "com_port_diagnostics.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "log_categories.h"

namespace {

struct TErrorHint {
  int Error;
  const char* Hint;
};

// A permission hint starts with the device's group and mode.
constexpr char DeviceAccessFormat[] = "the device belongs to the group %s with mode %04o: ";
constexpr char JoinGroupHint[] =
    "add the user to that group (sudo usermod -aG %s $USER), then log out and in again; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char NoUsersGroupHint[] =
    "no group of users may read and write it, so joining its group does not help; a udev rule must set a group "
    "that may (GROUP and MODE), then unplug the device and plug it in again; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char UnreadableDeviceHint[] =
    "the user may not open the device, nor read its group and mode; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char HeldHint[] =
    "another program holds the port, for example a second copy of this program, ModemManager or brltty: "
    "fuser -v on the device, run as root, names it (fuser is in the package psmisc); "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";
constexpr char MissingHint[] =
    "the link or the device is missing: check the dosdevices link and that the device is plugged in; "
    "see TROUBLESHOOTING in pelnor_configurator_com(1)";

// EWOULDBLOCK is EAGAIN on Linux.
constexpr TErrorHint ErrorHints[] = {
    {EBUSY, HeldHint}, {EAGAIN, HeldHint}, {ENOENT, MissingHint}, {ENODEV, MissingHint}, {ENXIO, MissingHint},
};

std::string GroupName(gid_t gid) {
  group entry;
  group* found = nullptr;
  std::vector<char> buffer(16384);
  if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found) return found->gr_name;
  return std::to_string(gid);
}

// Joining root's group is no remedy, and a group without read and write
// lets none of its members open the device.
bool UsersGroupMayOpen(const struct stat& node) {
  return node.st_gid != 0 && (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
}

// Reads the device's group and mode as they are now.
std::string NoPermissionHint(const std::string& device) {
  struct stat node;
  if (stat(device.c_str(), &node) != 0) return UnreadableDeviceHint;
  const std::string group = GroupName(node.st_gid);
  char access[160];
  std::snprintf(access, sizeof access, DeviceAccessFormat, group.c_str(), static_cast<unsigned>(node.st_mode & 07777));
  if (!UsersGroupMayOpen(node)) return access + std::string(NoUsersGroupHint);
  char join[320];
  std::snprintf(join, sizeof join, JoinGroupHint, group.c_str());
  return access + std::string(join);
}

}  // namespace

std::string ComPortErrorHint(int error, const std::string& device) {
  if (error == EACCES || error == EPERM) return NoPermissionHint(device);
  for (const TErrorHint& entry : ErrorHints) {
    if (entry.Error == error) return entry.Hint;
  }
  return {};
}

void LogComPortFailure(const char* call, const std::string& path, int error) {
  const std::string hint = ComPortErrorHint(error, path);
  qCInfo(lcSerial, "%s on %s failed: %s%s%s", call, path.c_str(), std::strerror(error), hint.empty() ? "" : "; ",
         hint.c_str());
}
