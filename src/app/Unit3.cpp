#include "Unit3.h"

#include "form_labels.h"

TForm3* Form3 = nullptr;

namespace {

using enum TLabelStyle;

const TLabelEntry<TForm3> Form3Labels[] = {
    {&TForm3::Label1, "Label1", 8, 0, Bold, "How this works:"},
    {&TForm3::Label2, "Label2", 8, 14, Plain,
     "Remote update function allows you to upgrade firmware/configuration via TFTP protocol over network "
     "interface (UDP port 69). For this function to work you NEED to have an additional AT45DB041D flash "
     "memory soldered on the PCB."},
    {&TForm3::Label3, "Label3", 9, 40, Plain,
     "All orders sent on 10.09.2012 and later have this memory soldered on the PCB. If you bought my device "
     "earlier, you will need to solder such memory for this function to work."},
    {&TForm3::Label4, "Label4", 9, 66, Plain,
     "To update firmware via TFTP you will need to build a \"remote update file\" wchich contains current "
     "firmware hash file and current configuration from your application."},
    {&TForm3::Label5, "Label5", 9, 92, Plain,
     "Upload of both firmware and configuration is necessary to make sure that versions are compatible."},
    {&TForm3::Label6, "Label6", 9, 112, Bold, "STEP1: Building \"remote update file\""},
    {&TForm3::Label7, "Label7", 9, 126, Plain,
     "1. Make necessary configuration changes in application fields. You can import/export them from file."},
    {&TForm3::Label8, "Label8", 9, 140, Plain, "2. Click Remote update->Build remote update file."},
    {&TForm3::Label9, "Label9", 9, 154, StruckThrough,
     "3. Select firmware HASH file from your Davurariruzo application folder."},
    {&TForm3::Label10, "Label10", 9, 168, Plain, "4. Select output remote update RUF file save location."},
    {&TForm3::Label11, "Label11", 9, 182, Plain,
     "5. After these steps you will have a generated RUF file on your disk drive. It will contain both "
     "firmware hash file and configuration settings from your application (and also checksums for integrity "
     "verification after upload)."},
    {&TForm3::Label12, "Label12", 9, 216, Bold, "STEP2: Upload your update file to Pelnor+ device"},
    {&TForm3::Label13, "Label13", 9, 232, Plain,
     "1. Connect to your device with telnet and issue an \"update enable\" command to verify flash memory and "
     "enable TFTP protocol of your device."},
    {&TForm3::Label14, "Label14", 9, 258, Plain,
     "2. Use a TFTP client application to upload the file. I have tried the command-line \"tftp\" program of "
     "Windows XP and one other TFTP client application, and both of them work."},
    {&TForm3::Label15, "Label15", 7, 284, Plain,
     "3. After upload finish you will see a confirmation on your telnet window, and after next 3-4 seconds you "
     "will get a result of firmware checksums verification. If it says that checksums are OK, you can burn the "
     "firmware to program memory."},
    {&TForm3::Label16, "Label16", 7, 316, Bold, "STEP3: Write firmware to program memory"},
    {&TForm3::Label17, "Label17", 7, 330, Plain,
     "1. Now you can issue an \"update burn\" telnet command to write the firmware. Device will hang up for "
     "about 15-20 seconds and then reboot with new firmware and configuration."},
    {&TForm3::Label18, "Label18", 5, 376, Bold,
     "WARNING: If you do something wrong, confuse firmware and configuration versions, etc. you will have to "
     "go up and take the device down for USB firmware reload. You have been warned. :)"},
};

}  // namespace

TForm3::TForm3() : TForm("Form3") {
  SetCaption("Pelnor Rudi remote firmware upload procedure");
  AddLabels(*this, Form3Labels, 591, 406);
}
