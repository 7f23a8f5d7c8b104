#pragma once
// Resources embedded in the program, found by integer identifier, in the
// three steps a program takes: find, size, load.
#include <cstddef>
#include <cstdint>
#include <vector>

struct TResourceInfo {
  int Id;
};

// Nothing when the program holds no resource with that identifier.
const TResourceInfo* FindResourceById(int id);
std::size_t SizeofResource(const TResourceInfo& resource);
// Nothing when the resource cannot be loaded.
const std::uint8_t* LoadResource(const TResourceInfo& resource);

// Registers a resource (the programs' embedded data, or a test's own).
// loadable false makes LoadResource fail for it.
void InstallResource(int id, std::vector<std::uint8_t> bytes, bool loadable = true);
void RemoveResource(int id);
