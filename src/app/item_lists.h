#pragma once
// The item lists of the settings lists. An item's index is its value in the
// configuration image and the settings file, so the order is fixed.
#include <string>
#include <vector>

using TItemList = std::vector<std::string>;

extern const TItemList NoYesList;
extern const TItemList DisabledEnabledList;
extern const TItemList OffOnList;
extern const TItemList PathActiveList;
extern const TItemList BeaconEnableList;
extern const TItemList PacketFilterTypeList;
extern const TItemList AnalogSourceList;
extern const TItemList DigitalSourceList;

// Lists of one control each.
extern const TItemList QuiettimeRandomizeList;
extern const TItemList PttList;
extern const TItemList BusydetectList;
extern const TItemList ConsecutivePacketsList;
extern const TItemList CallfilterRuleList;
extern const TItemList PositionReportEncodingList;
extern const TItemList MiceMessageList;
extern const TItemList PositionTimeList;
extern const TItemList NetconfigList;
extern const TItemList WuSendmethodList;
extern const TItemList Serial1ModeList;
extern const TItemList WeatherStationtypeList;
extern const TItemList GpsBaudrateList;
extern const TItemList KissBaudrateList;
extern const TItemList KissDirectionList;
extern const TItemList GammaBaudrateList;
extern const TItemList GammaUnitsList;
extern const TItemList PortList;
