#pragma once
// The "Build remote update file" menu command.
class TForm1;

using TConfigurationEncoder = int (*)(TForm1*);

// Puts the PC time into the RTC fields when it is uploaded, encodes the
// configuration image with encode (0: refused, its box shown, nothing else
// happens) and writes the remote update file.
void BuildRemoteUpdateFile(TForm1& form, TConfigurationEncoder encode);

// Asks for the file name in the "remote" folder beside the program, loads
// the firmware and writes the file built from it and the form's image.
void WriteRemoteUpdateFile(TForm1& form);
