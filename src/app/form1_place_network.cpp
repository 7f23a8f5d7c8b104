// Tab "Network".
#include "form1_placement.h"

const TTabPlaces NetworkPlaces = {
    {PageNetwork,
     {{.items = {Label("IP configuration method:", 8, 16), Control("Netconfig", 160, 16, 90)}},
      {.items = {Label("IP Address:", 8, 20), Control("Ipaddr0", 72, 20, 29), Control("Ipaddr1", 102, 20, 29),
                 Control("Ipaddr2", 132, 20, 29), Control("Ipaddr3", 162, 20, 29),
                 Label("IP Mask:", 8, 44), Control("Ipmask0", 72, 44, 29), Control("Ipmask1", 102, 44, 29),
                 Control("Ipmask2", 132, 44, 29), Control("Ipmask3", 162, 44, 29),
                 Label("Gateway:", 8, 68), Control("Ipgate0", 72, 68, 29), Control("Ipgate1", 102, 68, 29),
                 Control("Ipgate2", 132, 68, 29), Control("Ipgate3", 162, 68, 29),
                 Label("DNS:", 8, 92), Control("Ipdns0", 72, 92, 29), Control("Ipdns1", 102, 92, 29),
                 Control("Ipdns2", 132, 92, 29), Control("Ipdns3", 162, 92, 29)},
       .group = {"Static IP settings:", 288, 56, 201, 121}}}},
};
