#include "transfer_request.h"

#include <utility>

#include "log_categories.h"
#include "transfer_log_lines.h"

bool PostTransferRequest(TForm1& form, TLinkTransfer transfer) {
  const unsigned code = transfer.Code;
  if (PostLinkRequest(std::move(transfer))) return true;
  qCInfo(lcSerial, "request %u not posted: no port is open", code);
  form.Memo1->AddLine(NoPortOpenLine);
  return false;
}
