#pragma once
// While an object lives, write() to a regular file takes no byte and returns
// 0 without setting errno, as a file system that accepts nothing more may
// do; every other write goes through. The test program's own write()
// stands in for the C library's.
class StalledFileWrites {
 public:
  StalledFileWrites();
  ~StalledFileWrites();
  StalledFileWrites(const StalledFileWrites&) = delete;
  StalledFileWrites& operator=(const StalledFileWrites&) = delete;
};
