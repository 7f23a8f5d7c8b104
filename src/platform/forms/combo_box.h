#pragma once
// Drop-down list whose value is its item index. An index outside the list
// leaves nothing selected and reads -1; filling the list selects nothing.
// In an editable list, text the user types selects no item (-1) until an
// item is chosen from the list; its edit follows the edit box's rules for
// what comes in (see single_line_edit.h).
// The list is never narrower than its widest item needs to show whole.
#include "control.h"

class ItemList;
class QString;

class TComboBox : public TControl {
 public:
  // editable: the user can also type text into the box.
  TComboBox(QWidget* parent, std::string name, bool editable = false);

  int ItemIndex() const;
  void SetItemIndex(int index);
  // The item index, or for text typed into an editable list the index of
  // the item that the text names, letter case and blanks around it
  // ignored; -1 when it names none.
  int NamedItemIndex() const;

  void AddItem(const std::string& text);
  void AddItems(const std::vector<std::string>& texts);
  int ItemCount() const;
  std::string Item(int index) const;

  std::string Text() const;
  void SetText(const std::string& text);

 private:
  void WidenToShow(const QString& item);
  void FollowTypedText();

  ItemList* box_;
};
