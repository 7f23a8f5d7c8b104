#include "link_request.h"

#include <mutex>
#include <utility>

std::atomic<std::uint8_t> LinkRequest{NoLinkRequest};

namespace {

// The posted transfer; its code is LinkRequest, so both change together.
std::mutex postedGuard;
TLinkTransfer posted;

}  // namespace

void PostLinkRequest(TLinkTransfer transfer) {
  std::lock_guard lock(postedGuard);
  const std::uint8_t code = transfer.Code;
  posted = std::move(transfer);
  LinkRequest.store(code, std::memory_order_release);
}

TLinkTransfer TakeLinkRequest() {
  if (LinkRequest.load(std::memory_order_relaxed) == NoLinkRequest) return {};
  std::lock_guard lock(postedGuard);
  TLinkTransfer taken = std::exchange(posted, {});
  taken.Code = LinkRequest.exchange(NoLinkRequest, std::memory_order_acquire);
  return taken;
}
