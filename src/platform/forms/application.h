#pragma once
// The application object: title, forms, message loop and the error box for
// exceptions that leave an event handler.
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "dialogs.h"
#include "form.h"

class TApplication {
 public:
  TApplication();
  ~TApplication();

  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Creates a form owned by the application. The variable holds the new
  // instance before its constructor runs and is cleared again when the
  // constructor fails; the first form created becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    void* memory = ::operator new(sizeof(T));
    reference = static_cast<T*>(memory);
    try {
      new (memory) T();
    } catch (...) {
      reference = nullptr;
      ::operator delete(memory);
      throw;
    }
    Adopt(reference);
  }

  // Takes ownership of a form created elsewhere.
  void Adopt(TForm* form);
  TForm* MainForm() const { return mainForm_; }
  // The forms it owns, in order of creation.
  const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }

  // Shows the main form and runs the message loop until it has closed.
  void Run();
  // Processes the pending window messages once.
  void ProcessMessages();
  // Processes the pending window messages once without the user's input,
  // which is dropped: for a handler that keeps the message loop waiting.
  // The windows repaint and take the window system's close requests, but
  // nothing the user clicks or types meanwhile runs a handler.
  void ProcessMessagesWithoutInput();

  // The error box: error icon, the title as caption, the message with a
  // full stop appended when its last character sorts after ".".
  void ShowException(const std::exception& e);

  // The application's message box with a caption of its own.
  void MessageBox(const std::string& text, const std::string& caption, TMessageBoxKind kind);

  // Full path of the running program, and its folder with a trailing "/".
  std::string ExeName() const;
  std::string ExeFolder() const;

  // Destroys the forms in reverse order of creation.
  void DestroyForms();

 private:
  std::string title_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
};

extern TApplication* Application;

// The error box's text for an exception message.
std::string ErrorBoxText(const std::string& message);
