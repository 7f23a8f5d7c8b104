#pragma once
// Message boxes, file dialogs and modal forms go through one replaceable
// seam: Qt windows in the programs, a scripted stand-in in tests.
#include <cstddef>
#include <optional>
#include <string>

#include "text_naming_file.h"

class TForm;

enum class TMessageBoxKind {
  Information,  // information icon, one OK button
  Error,        // error icon, one OK button
  Plain,        // no icon, one OK button
};

struct TMessageBoxRequest {
  TMessageBoxKind Kind;
  std::string Caption;
  std::string Text;
  // Where Text quotes a file name: its first byte and its length, 0 when
  // the text names no file. The name keeps the file system's bytes and is
  // shown as the file dialogs show it.
  std::size_t FileNameStart = 0;
  std::size_t FileNameLength = 0;

  // Marks where Text quotes the name of a text that begins like it.
  void QuoteFileName(const TTextNamingFile& named) {
    FileNameStart = named.Before.size();
    FileNameLength = named.FileName.size();
  }
};

enum class TFileDialogKind { Open, Save };

struct TFileDialogRequest {
  TFileDialogKind Kind;
  std::string InitialDir;  // a file name, as FileName
  std::string FileName;    // the file system's bytes
  std::string Filter;      // control text: "Description (*.ext)|*.ext"
};

class TDialogProvider {
 public:
  virtual ~TDialogProvider() = default;
  virtual void ShowMessageBox(const TMessageBoxRequest& request) = 0;
  // The chosen file's path in the file system's bytes, or nothing when the
  // user cancelled.
  virtual std::optional<std::string> ExecuteFileDialog(const TFileDialogRequest& request) = 0;
  // Shows the form modally and returns its modal result once it is closed.
  virtual int ShowModal(TForm& form) = 0;
};

TDialogProvider& Dialogs();
// Installs a provider (not owned); nullptr restores the Qt one.
void SetDialogProvider(TDialogProvider* provider);

// The class library's information box with one OK button.
void InformationBox(const std::string& text);
void InformationBox(const TTextNamingFile& text);
// A plain modal message box with one OK button, captioned with the
// application title.
void PlainMessageBox(const std::string& text);

// Open and save dialogs as form components.
class TFileDialog {
 public:
  TFileDialog(TFileDialogKind kind, std::string fileName, std::string filter);

  bool Execute();
  std::string InitialDir;
  std::string FileName;
  std::string Filter;

 private:
  TFileDialogKind kind_;
};

class TOpenDialog : public TFileDialog {
 public:
  TOpenDialog(std::string fileName, std::string filter)
      : TFileDialog(TFileDialogKind::Open, std::move(fileName), std::move(filter)) {}
};

class TSaveDialog : public TFileDialog {
 public:
  TSaveDialog(std::string fileName, std::string filter)
      : TFileDialog(TFileDialogKind::Save, std::move(fileName), std::move(filter)) {}
};
