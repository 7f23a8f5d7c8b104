#pragma once
// The transfer buttons' last step: the request posted for the worker, or,
// with no port open, nothing posted and a line that says so.
#include "Unit1.h"
#include "link_request.h"

// False when nothing was posted.
bool PostTransferRequest(TForm1& form, TLinkTransfer transfer);
