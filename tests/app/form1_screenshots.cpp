// Saves a PNG of the main window on each tab and each page, and of each
// dialog, for looking at the layout under a real X server:
// form1_screenshots OUTPUT_FOLDER. The hidden page cannot be selected, so
// it is rendered on its own.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "application.h"

namespace {

std::string FileName(int tab, int page, const std::string& caption) {
  std::string name;
  for (char c : caption) name += (std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%02d_%d_", tab + 1, page + 1);
  return prefix + name + ".png";
}

bool Save(const QPixmap& picture, const QDir& folder, const std::string& name) {
  const QString path = folder.filePath(QString::fromStdString(name));
  if (!picture.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
    return false;
  }
  std::printf("%s\n", path.toLocal8Bit().constData());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qtApplication(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  Application->Initialize();
  Application->SetTitle("Pelnor Rudi Davurariruzo");
  auto form = std::make_unique<TForm1>();
  form->Show();
  QApplication::processEvents();

  bool ok = true;
  for (int tab = 0; tab < Form1TabCount; ++tab) {
    form->PageControl1->SetActivePageIndex(tab);
    TPageControl* nested = form->NestedPages[tab];
    const int pages = nested ? nested->PageCount() : 1;
    for (int page = 0; page < pages; ++page) {
      std::string caption = form->Tabs[tab]->Caption();
      if (nested) {
        TTabSheet* sheet = nested->Page(page);
        caption += " - " + sheet->Caption();
        if (!sheet->TabVisible()) {
          QWidget* hidden = sheet->Widget();
          hidden->resize(nested->Tabs()->currentWidget()->size());
          hidden->setEnabled(true);
          ok = Save(hidden->grab(), folder, FileName(tab, page, caption + " (hidden)")) && ok;
          continue;
        }
        nested->SetActivePageIndex(page);
      }
      QApplication::processEvents();
      ok = Save(form->Widget()->grab(), folder, FileName(tab, page, caption)) && ok;
    }
  }
  const std::unique_ptr<TForm> dialogs[] = {std::make_unique<TForm2>(), std::make_unique<TForm3>(),
                                             std::make_unique<TForm4>()};
  for (const auto& dialog : dialogs) {
    dialog->Show();
    QApplication::processEvents();
    ok = Save(dialog->Widget()->grab(), folder, "11_" + dialog->Name() + ".png") && ok;
    dialog->Hide();
  }
  return ok ? 0 : 1;
}
