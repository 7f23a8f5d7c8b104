#include "page_control.h"

#include <QTabBar>
#include <QTabWidget>

namespace {

// Page selectors drawn as a row of push buttons.
const char* const kButtonStyleSheet =
    "QTabWidget::pane { border: 1px solid palette(mid); top: -1px; }"
    "QTabBar::tab { border: 1px solid palette(dark); border-radius: 2px;"
    "  background: palette(button); padding: 2px 8px; margin: 1px 2px 3px 0px; }"
    "QTabBar::tab:selected { background: palette(midlight); border: 1px solid palette(shadow); }";

}  // namespace

TTabSheet::TTabSheet(QWidget* parent, std::string name, TPageControl& owner)
    : TWinControl(std::move(name), new QWidget(parent)), owner_(owner) {}

int TTabSheet::PageIndex() const { return owner_.Tabs()->indexOf(Widget()); }
std::string TTabSheet::Caption() const { return FromQString(owner_.Tabs()->tabText(PageIndex())); }
bool TTabSheet::TabVisible() const { return owner_.Tabs()->isTabVisible(PageIndex()); }
// A hidden page is also disabled: the tab control's keyboard switching and
// the tab bar's wheel skip disabled pages but not hidden ones.
void TTabSheet::SetTabVisible(bool visible) {
  owner_.Tabs()->setTabVisible(PageIndex(), visible);
  owner_.Tabs()->setTabEnabled(PageIndex(), visible);
}

TPageControl::TPageControl(QWidget* parent, std::string name, bool buttonStyle)
    : TWinControl(std::move(name), new QTabWidget(parent)) {
  tabs_ = static_cast<QTabWidget*>(Widget());
  tabs_->setUsesScrollButtons(false);
  if (buttonStyle) {
    tabs_->setDocumentMode(true);
    tabs_->setStyleSheet(QString::fromLatin1(kButtonStyleSheet));
  }
}

TTabSheet* TPageControl::AddPage(std::string name, const std::string& caption) {
  TTabSheet* page = Add<TTabSheet>(std::move(name), *this);
  tabs_->addTab(page->Widget(), ToQString(caption));
  pages_.push_back(page);
  return page;
}

int TPageControl::ActivePageIndex() const { return tabs_->currentIndex(); }
void TPageControl::SetActivePageIndex(int index) { tabs_->setCurrentIndex(index); }
