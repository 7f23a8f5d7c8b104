#pragma once
// Encoding the settings controls into the configuration image and decoding
// a received image back into them.
class TForm1;

// Validates every setting and writes the image through
// form->ConfigurationImagePtr. 1 on success; 0 after the refusal's
// information box. A number that does not convert raises EConvertError.
int EncodeConfigurationImage(TForm1* form);

// Sets the controls of form and Form4 from ReceivedImage. 1 after setting
// them; 0 after the refused version's information box.
int DecodeConfigurationImage(TForm1* form);

// Applies a configuration read from the device: decodes ReceivedImage into
// form's controls; the result is not used.
void ApplyReceivedConfiguration(TForm1* form);
