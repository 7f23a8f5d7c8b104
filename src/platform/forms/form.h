#pragma once
// A form: a top-level window with a client area for its controls, an
// optional main menu, and modal showing.
#include <optional>

#include "control.h"

class QMenuBar;
class TMainMenu;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

enum class TBorderStyle { Single, None };

struct TBorderIcons {
  bool SystemMenu = true;
  bool Minimize = true;
  bool Maximize = true;
};

class TForm : public TWinControl {
 public:
  explicit TForm(std::string name);
  ~TForm() override;

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Client area in pixels, below the menu bar; the window is not resizable.
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;
  void SetBorder(TBorderStyle style, TBorderIcons icons, bool stayOnTop = false);
  TMainMenu* CreateMainMenu(std::string name);
  TMainMenu* MainMenu() const { return menu_.get(); }

  void Show();
  void Hide();
  void Close();
  // Paints the form at once, before any message loop runs; acts on no
  // user input.
  void Repaint();
  // Shows the form modally through the dialog seam; returns its result.
  int ShowModal();
  void SetModalResult(int result);
  int ModalResult() const { return modalResult_; }

  // Asked before the form closes; false keeps it open.
  std::function<bool()> OnCloseQuery;

  QWidget* ClientWidget() const override { return client_; }
  bool CanClose() const { return !OnCloseQuery || OnCloseQuery(); }
  // True once the window has closed, by the user or by Close(), until it is
  // shown again.
  bool Closed() const { return closed_; }

 private:
  friend class FormWindow;
  void CentreOnScreen();

  QWidget* client_;
  QMenuBar* menuBar_ = nullptr;
  std::unique_ptr<TMainMenu> menu_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int modalResult_ = mrNone;
  bool closed_ = false;
};
