#include "Splashscreen_zodu.h"

#include <QFile>

#include "exception.h"
#include "jpeg_picture.h"
#include "program_pictures.h"

namespace {

constexpr int PictureSide = 254;

QImage LoadSplashPicture() {
  QFile file(QString::fromLatin1(SplashPicturePath));
  if (!file.open(QIODevice::ReadOnly)) throw Exception("The splash picture is missing from the program");
  const QByteArray bytes = file.readAll();
  return DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

TSplashScreen_zodu::TSplashScreen_zodu() : TForm("SplashScreen_zodu") {
  SetCaption("SplashScreen_zodu");
  SetBorder(TBorderStyle::None, TBorderIcons{.SystemMenu = false, .Minimize = false, .Maximize = false},
            /*stayOnTop=*/true);
  SetClientSize(PictureSide, PictureSide);
  Image1 = Add<TImage>("Image1");
  Image1->SetBounds(0, 0, PictureSide, PictureSide);
  Image1->SetPicture(LoadSplashPicture());
}
