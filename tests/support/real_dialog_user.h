#pragma once
// Plays the user at the real Qt file dialogs and message boxes (the
// programs' own dialog seam, no stand-in installed): a timer types each
// queued file name into the next file dialog and accepts it, and takes
// down the text of each message box before closing it.
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <ostream>
#include <string>

class RealDialogUser {
 public:
  RealDialogUser();

  // A name as the dialog shows it, typed in full (folder included).
  void QueueFile(const QString& name) { files_.push_back(name); }

  // The folder each file dialog opened in, and each box's text, in order.
  QStringList dialogFolders;
  QStringList boxTexts;

 private:
  void Answer();

  QTimer timer_;
  std::deque<QString> files_;
};

// A path of UTF-8 bytes as a dialog shows it.
inline QString Shown(const std::string& path) { return QString::fromUtf8(path.data(), qsizetype(path.size())); }

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
