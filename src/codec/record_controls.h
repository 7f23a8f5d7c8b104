#pragma once
// The controls of each repeated record of the image, record 1 first, and
// the lists that share one kind of field.
#include <array>
#include <cstddef>

#include "Unit1.h"
#include "configuration_layout.h"

// A call sign edit with its SSID edit.
struct CallsignControls {
  TEdit* callsign;
  TEdit* ssid;
};

struct PathControls {
  TEdit* name;
  TEdit* lower;
  TEdit* higher;
  TComboBox* traceable;
  TComboBox* active;
  TCheckBox* directonly;
  TCheckBox* areaall;
  TCheckBox* arearad0;
  TCheckBox* arearad1;
  TCheckBox* arearect0;
};

struct BeaconControls {
  CallsignControls dest;
  CallsignControls path;
  TEdit* txrateRf;
  TEdit* txrateAprsis;
  TComboBox* enable;
  TEdit* msg;
};

struct AprsisServerControls {
  TEdit* servername;
  TEdit* port;
};

struct AnalogChannelControls {
  TComboBox* source;
  TEdit* name;
  TEdit* units;
  TEdit* coefa;
  TEdit* coefb;
  TEdit* coefc;
  TComboBox* average;
};

struct DigitalChannelControls {
  TComboBox* source;
  TEdit* name;
  TEdit* units;
  TComboBox* inverted;
};

// A drop-down list and the byte it is stored in.
struct ListField {
  TComboBox* list;
  ByteField field;
};

std::array<PathControls, 8> PathRecords(TForm1& f);
std::array<CallsignControls, 10> CallFilterRecords(TForm1& f);
std::array<BeaconControls, 8> BeaconRecords(TForm1& f);
std::array<AprsisServerControls, 3> AprsisServerRecords(TForm1& f);
std::array<AnalogChannelControls, 5> AnalogChannelRecords(TForm1& f);
std::array<DigitalChannelControls, 8> DigitalChannelRecords(TForm1& f);
std::array<TComboBox*, 4> BrenvikOutputLists(TForm1& f);

// The four octet edits of an address, first octet first.
using OctetEdits = std::array<TEdit*, 4>;
OctetEdits IpAddressOctets(TForm1& f);
OctetEdits IpMaskOctets(TForm1& f);
OctetEdits IpGatewayOctets(TForm1& f);
OctetEdits IpDnsOctets(TForm1& f);

// The debug lists in bit order: bits 0-7 of the first byte, then the second.
std::array<TComboBox*, 13> DebugLists(TForm1& f);

// The external interface lists in the order they are read.
std::array<ListField, 11> ExternalInterfaceLists(TForm1& f);
