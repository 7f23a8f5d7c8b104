// "Read config" and "Write config": the request posted with its counters.
#include "Unit1.h"
#include "configuration_codec.h"
#include "transfer_request.h"

void TForm1::Button4Click(TObject*) {
  const TPageCounters counters{LastConfigPageIndex, 0};
  if (PostTransferRequest(*this, {ConfigReadRequest, counters, {}})) ConfigReadCounters = counters;
}

void TForm1::Button5Click(TObject*) {
  if (Uploadpctime->Checked()) SetRtcFieldsFromPcClock();
  if (EncodeConfigurationImage(this) == 0) return;
  const TPageCounters counters{LastConfigPageIndex, 0};
  if (PostTransferRequest(*this, {ConfigWriteRequest, counters,
                                  {std::begin(ConfigurationImage), std::end(ConfigurationImage)}})) {
    ConfigWriteCounters = counters;
  }
}
