#include "resources.h"

#include <map>
#include <memory>

namespace {

struct StoredResource {
  TResourceInfo Info;
  std::vector<std::uint8_t> Bytes;
  bool Loadable;
};

std::map<int, std::unique_ptr<StoredResource>>& Store() {
  static std::map<int, std::unique_ptr<StoredResource>> store;
  return store;
}

const StoredResource& Stored(const TResourceInfo& resource) { return *Store().at(resource.Id); }

}  // namespace

const TResourceInfo* FindResourceById(int id) {
  auto it = Store().find(id);
  return it == Store().end() ? nullptr : &it->second->Info;
}

std::size_t SizeofResource(const TResourceInfo& resource) { return Stored(resource).Bytes.size(); }

const std::uint8_t* LoadResource(const TResourceInfo& resource) {
  const StoredResource& stored = Stored(resource);
  if (!stored.Loadable) return nullptr;
  static const std::uint8_t empty = 0;
  return stored.Bytes.empty() ? &empty : stored.Bytes.data();
}

void InstallResource(int id, std::vector<std::uint8_t> bytes, bool loadable) {
  Store()[id] = std::make_unique<StoredResource>(StoredResource{{id}, std::move(bytes), loadable});
}

void RemoveResource(int id) { Store().erase(id); }
