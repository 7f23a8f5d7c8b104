// "Upload firmware": the upload posted with a copy of the embedded image,
// which FirmwareBuffer then holds with its pages counted.
#include <algorithm>

#include "Unit1.h"
#include "transfer_request.h"

void TForm1::LoadFirmwareForUpload() {
  const auto image = LoadFirmwareResource();
  if (!image) return;
  const auto byteCount = static_cast<std::uint32_t>(image->size());
  const std::uint32_t pageCount = (byteCount + LinkPageLength - 1) / LinkPageLength;
  // The upload ends with page pageCount, which lies past the image and is
  // sent as zeros.
  if (!PostTransferRequest(*this, {FirmwareUploadRequest, {pageCount, 0}, {image->begin(), image->end()}})) return;

  std::copy(image->begin(), image->end(), FirmwareBuffer.Bytes);
  FirmwareBuffer.ByteCount = byteCount;
  FirmwareBuffer.PageCount = pageCount;
  FirmwareBuffer.CurrentPage = 0;
  ProgressBar1->SetPosition(0);
  ProgressBar1->SetRange(0, static_cast<int>(pageCount));
}

void TForm1::Button3Click(TObject*) { LoadFirmwareForUpload(); }
