// clipboard_text: prints the text on the X clipboard, for the tests that
// read what a window shows by copying it, as a user would.
#include <QClipboard>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QByteArray text = QGuiApplication::clipboard()->text().toLatin1();
  std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
  return 0;
}
