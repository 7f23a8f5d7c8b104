// "Upload firmware": the embedded image copied into FirmwareBuffer, its
// pages counted, and the upload posted with a copy of the image.
#include <algorithm>

#include "Unit1.h"
#include "link_request.h"

void TForm1::LoadFirmwareForUpload() {
  const auto image = LoadFirmwareResource();
  if (!image) return;
  std::copy(image->begin(), image->end(), FirmwareBuffer.Bytes);
  FirmwareBuffer.ByteCount = static_cast<std::uint32_t>(image->size());
  FirmwareBuffer.PageCount = (FirmwareBuffer.ByteCount + LinkPageLength - 1) / LinkPageLength;
  FirmwareBuffer.CurrentPage = 0;

  ProgressBar1->SetPosition(0);
  ProgressBar1->SetRange(0, static_cast<int>(FirmwareBuffer.PageCount));

  // The upload ends with page PageCount, which lies past the image and is
  // sent as zeros.
  PostLinkRequest({FirmwareUploadRequest, {FirmwareBuffer.PageCount, 0}, {image->begin(), image->end()}});
}

void TForm1::Button3Click(TObject*) { LoadFirmwareForUpload(); }
