#include "decoded_image_properties.h"

#include <algorithm>
#include <cstring>

#include "Unit1.h"
#include "Unit4.h"
#include "configuration_codec.h"

namespace {

bool OwnVersion(const std::uint8_t* image) { return std::memcmp(image + 6, "v1.47", 5) == 0; }

struct TextLimit {
  TEdit* edit;
  std::size_t limit;
};

std::string CheckLimits(TForm1& f) {
  const TextLimit limits[] = {
      {f.Callsign, 6},         {f.Beacon1_msg, 64},       {f.Beacon8_msg, 64},       {f.Weather_comment, 32},
      {f.Aprsis_filter, 128},  {f.Pathn8_name, 5},        {f.WU_rapidfireserver, 39}, {f.Latitude, 8},
      {f.Longitude, 9},        {f.Area_rad1_latitude, 8}, {f.Area_rect0_selongitude, 9}, {f.Ssid, 3},
      {f.Beacon1_dest_ssid, 4}, {f.Callfilter_ssid10, 4}, {f.Txdelay, 5},           {f.Floodtimeout, 3},
      {Form4->Packet2rf_filter_callsign12, 6},
  };
  for (const TextLimit& l : limits) {
    if (l.edit->Text().size() > l.limit) return l.edit->Name() + " holds '" + l.edit->Text() + "'";
  }
  return {};
}

}  // namespace

std::string DecodeArbitraryImage(TForm1& form, const std::uint8_t* bytes, std::size_t size) {
  std::memset(ReceivedImage, 0, ConfigurationImageSize);
  std::memcpy(ReceivedImage, bytes, std::min(size, ConfigurationImageSize));
  const bool expected = OwnVersion(ReceivedImage);
  const int result = DecodeConfigurationImage(&form);
  if (result != (expected ? 1 : 0)) return "result " + std::to_string(result);
  if (!expected && ReceivedImage[13] != 0) return "no NUL at offset 13 after a refused version";
  return CheckLimits(form);
}
