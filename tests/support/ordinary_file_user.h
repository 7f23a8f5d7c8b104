#pragma once
// Makes the file permissions of a folder bind this thread while the object
// lives. Root passes every permission check, so as root the thread's file
// system user and group become nobody (which also drops the capabilities
// that override permissions) and the folder is given to nobody; for any
// other user nothing changes.
#include <sys/fsuid.h>
#include <unistd.h>

#include <string>

class OrdinaryFileUser {
 public:
  static constexpr uid_t Nobody = 65534;

  explicit OrdinaryFileUser(const std::string& folder) {
    if (::geteuid() != 0) return;
    switched_ = ::chown(folder.c_str(), Nobody, Nobody) == 0;
    if (!switched_) return;
    ::setfsgid(Nobody);
    ::setfsuid(Nobody);
    switched_ = ::setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(Nobody);
  }
  ~OrdinaryFileUser() {
    if (::geteuid() != 0) return;
    ::setfsuid(0);
    ::setfsgid(0);
  }
  OrdinaryFileUser(const OrdinaryFileUser&) = delete;
  OrdinaryFileUser& operator=(const OrdinaryFileUser&) = delete;

  // False only when running as root and the switch was refused.
  bool Active() const { return ::geteuid() != 0 || switched_; }

 private:
  bool switched_ = false;
};
