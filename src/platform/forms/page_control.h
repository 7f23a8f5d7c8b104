#pragma once
// Tab control with its pages. A nested control can show its page selectors
// as buttons; a page can be hidden so that no click or key reaches it.
#include "control.h"

class QTabWidget;
class TPageControl;

class TTabSheet : public TWinControl {
 public:
  TTabSheet(QWidget* parent, std::string name, TPageControl& owner);
  std::string Caption() const;
  int PageIndex() const;
  bool TabVisible() const;
  void SetTabVisible(bool visible);

 private:
  TPageControl& owner_;
};

class TPageControl : public TWinControl {
 public:
  TPageControl(QWidget* parent, std::string name, bool buttonStyle = false);

  TTabSheet* AddPage(std::string name, const std::string& caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  QTabWidget* Tabs() const { return tabs_; }

 private:
  QTabWidget* tabs_;
  std::vector<TTabSheet*> pages_;
};
