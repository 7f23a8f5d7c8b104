// "Read config" and "Write config": the counters set and the request posted.
#include "Unit1.h"
#include "configuration_codec.h"
#include "link_request.h"

void TForm1::Button4Click(TObject*) {
  ConfigReadCounters = {LastConfigPageIndex, 0};
  PostLinkRequest({ConfigReadRequest, ConfigReadCounters, {}});
}

void TForm1::Button5Click(TObject*) {
  if (Uploadpctime->Checked()) SetRtcFieldsFromPcClock();
  if (EncodeConfigurationImage(this) == 0) return;
  ConfigWriteCounters = {LastConfigPageIndex, 0};
  PostLinkRequest({ConfigWriteRequest, ConfigWriteCounters,
                   {std::begin(ConfigurationImage), std::end(ConfigurationImage)}});
}
