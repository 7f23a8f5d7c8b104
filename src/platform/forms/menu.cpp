#include "menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(std::string name, QAction* action) : name_(std::move(name)), action_(action) {
  action_->setObjectName(ToQString(name_));
  QObject::connect(action_, &QAction::triggered, action_, [this] {
    if (OnClick) DispatchEvent([this] { OnClick(this); });
  });
}

std::string TMenuItem::Caption() const { return FromQString(action_->text()); }
void TMenuItem::Click() { action_->trigger(); }

TMenu::TMenu(std::string name, QMenu* menu) : name_(std::move(name)), menu_(menu) {
  menu_->setObjectName(ToQString(name_));
}

std::string TMenu::Caption() const { return FromQString(menu_->title()); }

TMenuItem* TMenu::AddItem(std::string name, const std::string& caption) {
  QAction* action = menu_->addAction(ToQString(caption));
  items_.push_back(std::make_unique<TMenuItem>(std::move(name), action));
  return items_.back().get();
}

TMainMenu::TMainMenu(std::string name, QMenuBar* bar) : name_(std::move(name)), bar_(bar) {}

TMenu* TMainMenu::AddMenu(std::string name, const std::string& caption) {
  QMenu* menu = bar_->addMenu(ToQString(caption));
  menus_.push_back(std::make_unique<TMenu>(std::move(name), menu));
  return menus_.back().get();
}
