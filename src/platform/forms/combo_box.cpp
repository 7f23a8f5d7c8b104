#include "combo_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// The style draws the shown item's text one pixel in from each side of the
// field beside the arrow.
constexpr int TextInset = 1;

}  // namespace

TComboBox::TComboBox(QWidget* parent, std::string name, bool editable)
    : TControl(std::move(name), new QComboBox(parent)) {
  box_ = static_cast<QComboBox*>(Widget());
  box_->setEditable(editable);
  box_->setInsertPolicy(QComboBox::NoInsert);
  // A placeholder stops Qt from selecting item 0 when the first item is added.
  box_->setPlaceholderText(QStringLiteral(" "));
  box_->setMaxVisibleItems(20);
  if (editable) FollowTypedText();
}

void TComboBox::FollowTypedText() {
  QLineEdit* edit = box_->lineEdit();
  // The system's list neither completes typed text nor selects an item
  // whose text was typed when editing ends: only a choice from the list
  // selects one.
  box_->setCompleter(nullptr);
  QObject::disconnect(edit, &QLineEdit::editingFinished, box_, nullptr);
  QObject::connect(edit, &QLineEdit::textEdited, box_, [this, edit](const QString& text) {
    if (box_->currentIndex() < 0) return;
    const int cursor = edit->cursorPosition();
    box_->setCurrentIndex(-1);
    edit->setText(text);
    edit->setCursorPosition(cursor);
  });
}

int TComboBox::ItemIndex() const { return box_->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
  box_->setCurrentIndex(index >= 0 && index < box_->count() ? index : -1);
}

void TComboBox::AddItem(const std::string& text) {
  const bool editable = box_->isEditable();
  const QString editText = editable ? box_->currentText() : QString();
  box_->addItem(ToQString(text));
  if (editable && box_->currentIndex() < 0) box_->setEditText(editText);
  WidenToShow(box_->itemText(box_->count() - 1));
}

void TComboBox::WidenToShow(const QString& item) {
  QStyleOptionComboBox option;
  option.initFrom(box_);
  option.editable = box_->isEditable();
  const QRect field = box_->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box_);
  const int needed = box_->fontMetrics().horizontalAdvance(item) + 2 * TextInset + box_->width() - field.width();
  if (needed > box_->minimumWidth()) box_->setMinimumWidth(needed);
}

void TComboBox::AddItems(const std::vector<std::string>& texts) {
  for (const auto& text : texts) AddItem(text);
}

int TComboBox::ItemCount() const { return box_->count(); }
std::string TComboBox::Item(int index) const { return FromQString(box_->itemText(index)); }
std::string TComboBox::Text() const { return FromQString(box_->currentText()); }

void TComboBox::SetText(const std::string& text) {
  if (box_->isEditable()) box_->setEditText(ToQString(text));
}
