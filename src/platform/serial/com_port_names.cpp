#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "com_port.h"
#include "log_categories.h"

std::string DosDevicesFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config) return std::string(config) + "/pelnor/dosdevices";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config/pelnor/dosdevices";
}

std::string ComPortDevicePath(const std::string& name) {
  if (name.size() != 4 || name.compare(0, 3, "COM") != 0 || name[3] < '1' || name[3] > '9') {
    qCInfo(lcSerial, "%s names no COM port (COM1 to COM9)", name.c_str());
    return {};
  }
  const std::string link = DosDevicesFolder() + "/com" + name[3];
  struct stat info;
  if (lstat(link.c_str(), &info) == 0) {
    std::error_code error;
    qCInfo(lcSerial, "%s is the link %s to %s", name.c_str(), link.c_str(),
           std::filesystem::read_symlink(link, error).c_str());
    return link;
  }
  const std::string fallback = std::string("/dev/ttyS") + static_cast<char>(name[3] - 1);
  qCInfo(lcSerial, "%s has no link %s; using %s", name.c_str(), link.c_str(), fallback.c_str());
  return fallback;
}
