#pragma once
// The three device operations, each from open to close on the
// user-interface thread, logging every page in Memo1.
class TForm1;

// Sends the 64 pages of form.ConfigurationImage. Stops without a line when
// the window closes.
void WriteConfigurationPages(TForm1& form);
// Reads the 64 pages into ReceivedImage, stopping at the first failure, or
// without a line when the window closes.
void ReadConfigurationPages(TForm1& form);
// True when ReceivedImage carries its checksum and its end marker.
bool ReceivedImageValid();
// Sends the embedded firmware image page by page, letting pending window
// messages run before each page.
void UpgradeFirmware(TForm1& form);
// True while UpgradeFirmware runs; the main window refuses to close then.
bool FirmwareUpgradeRunning();
