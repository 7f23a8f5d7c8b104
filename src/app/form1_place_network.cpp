// Tab "Network".
#include "form1_placement.h"

const TTabPlaces NetworkPlaces = {
    {PageNetwork,
     {{.items = {Label("IP configuration method:", 8, 16), Control("Netconfig", 160, 16, 90)}},
      {.items = {Label("IP Address:", 8, 20), Control("Ipaddr0", 76, 20, 29), Control("Ipaddr1", 106, 20, 29),
                 Control("Ipaddr2", 136, 20, 29), Control("Ipaddr3", 166, 20, 29),
                 Label("IP Mask:", 8, 44), Control("Ipmask0", 76, 44, 29), Control("Ipmask1", 106, 44, 29),
                 Control("Ipmask2", 136, 44, 29), Control("Ipmask3", 166, 44, 29),
                 Label("Gateway:", 8, 68), Control("Ipgate0", 76, 68, 29), Control("Ipgate1", 106, 68, 29),
                 Control("Ipgate2", 136, 68, 29), Control("Ipgate3", 166, 68, 29),
                 Label("DNS:", 8, 92), Control("Ipdns0", 76, 92, 29), Control("Ipdns1", 106, 92, 29),
                 Control("Ipdns2", 136, 92, 29), Control("Ipdns3", 166, 92, 29)},
       .group = {"Static IP settings:", 288, 56, 201, 121}}}},
};
