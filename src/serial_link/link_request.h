#pragma once
// The request a connection button posts for the serial worker: the code in
// `LinkRequest` and, taken with it in one step, what the transfer sends
// from and where it starts, copied on the user-interface thread when the
// request is posted.
#include <atomic>
#include <cstdint>
#include <vector>

#include "Unit1.h"
#include "link_frame.h"

// The configuration moves as pages 0 to 15.
inline constexpr std::uint32_t LastConfigPageIndex = ConfigurationImageSize / LinkPageLength - 1;

enum TLinkRequestCode : std::uint8_t {
  NoLinkRequest = 0,
  FirmwareUploadRequest = 1,
  ConfigWriteRequest = 2,
  ConfigReadRequest = 3,
};

// Stored with release ordering by the poster, exchanged with 0 with
// acquire ordering by the worker.
extern std::atomic<std::uint8_t> LinkRequest;

struct TLinkTransfer {
  std::uint8_t Code = NoLinkRequest;
  // Pages 0 to LastPageIndex; CurrentPage is the page last sent or requested.
  TPageCounters Counters;
  // The bytes the pages are cut from, a page past their end being zeros;
  // empty for a read.
  std::vector<std::uint8_t> Pages;
};

// Requests are taken only while a port is open: from the creation of its
// worker until "Close port" or the worker's end. Opening and closing drop
// the request posted, so none outlives its worker.
void OpenLinkRequests();
void CloseLinkRequests();
bool LinkRequestsOpen();

// Replaces any request not yet taken. False, and nothing posted, while
// requests are closed.
bool PostLinkRequest(TLinkTransfer transfer);
// The posted request, or one with code NoLinkRequest.
TLinkTransfer TakeLinkRequest();
