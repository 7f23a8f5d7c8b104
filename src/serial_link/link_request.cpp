#include "link_request.h"

#include <mutex>
#include <utility>

std::atomic<std::uint8_t> LinkRequest{NoLinkRequest};

namespace {

// The posted transfer; its code is LinkRequest, so both change together.
std::mutex postedGuard;
TLinkTransfer posted;
bool requestsOpen = false;

void SetRequestsOpen(bool open) {
  std::lock_guard lock(postedGuard);
  requestsOpen = open;
  posted = {};
  LinkRequest.store(NoLinkRequest, std::memory_order_release);
}

}  // namespace

void OpenLinkRequests() { SetRequestsOpen(true); }

void CloseLinkRequests() { SetRequestsOpen(false); }

bool LinkRequestsOpen() {
  std::lock_guard lock(postedGuard);
  return requestsOpen;
}

bool PostLinkRequest(TLinkTransfer transfer) {
  std::lock_guard lock(postedGuard);
  if (!requestsOpen) return false;
  const std::uint8_t code = transfer.Code;
  posted = std::move(transfer);
  LinkRequest.store(code, std::memory_order_release);
  return true;
}

TLinkTransfer TakeLinkRequest() {
  if (LinkRequest.load(std::memory_order_relaxed) == NoLinkRequest) return {};
  std::lock_guard lock(postedGuard);
  TLinkTransfer taken = std::exchange(posted, {});
  taken.Code = LinkRequest.exchange(NoLinkRequest, std::memory_order_acquire);
  return taken;
}
