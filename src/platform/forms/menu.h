#pragma once
// Main menu: top-level menus and their items.
#include "control.h"

class QMenuBar;
class QMenu;
class QAction;

class TMenuItem : public TObject {
 public:
  TMenuItem(std::string name, QAction* action);
  const std::string& Name() const { return name_; }
  std::string Caption() const;
  void Click();
  QAction* Action() const { return action_; }

  TNotifyEvent OnClick;

 private:
  std::string name_;
  QAction* action_;
};

class TMenu : public TObject {
 public:
  TMenu(std::string name, QMenu* menu);
  const std::string& Name() const { return name_; }
  std::string Caption() const;
  TMenuItem* AddItem(std::string name, const std::string& caption);
  const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }

 private:
  std::string name_;
  QMenu* menu_;
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TMainMenu : public TObject {
 public:
  TMainMenu(std::string name, QMenuBar* bar);
  TMenu* AddMenu(std::string name, const std::string& caption);
  const std::vector<std::unique_ptr<TMenu>>& Menus() const { return menus_; }
  QMenuBar* Bar() const { return bar_; }

 private:
  std::string name_;
  QMenuBar* bar_;
  std::vector<std::unique_ptr<TMenu>> menus_;
};
