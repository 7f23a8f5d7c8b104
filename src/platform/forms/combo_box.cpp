#include "combo_box.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QValidator>
#include <QWheelEvent>

#include "single_line_edit.h"

namespace {

// The style draws the shown item's text one pixel in from each side of the
// field beside the arrow.
constexpr int TextInset = 1;

// Typed text is never a finished entry, so Qt selects no item for it when
// editing ends (Return, leaving the box).
class UnfinishedTextValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString&, int&) const override { return Intermediate; }
};

// The way Qt's list moves on a key: -1 up, 1 down, 0 no move.
int KeyStep(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Up:
      return event.modifiers() & Qt::ControlModifier ? 0 : -1;
    case Qt::Key_PageUp:
      return -1;
    case Qt::Key_Down:
      return event.modifiers() & (Qt::AltModifier | Qt::ControlModifier) ? 0 : 1;
    case Qt::Key_PageDown:
      return 1;
    default:
      return 0;
  }
}

}  // namespace

// Qt's list, which keeps its current item while the user types into the
// edit; the typed text selects no item until one is chosen from the list.
class ItemList : public QComboBox {
 public:
  using QComboBox::QComboBox;

  bool HoldsTypedText() const { return typedText_; }
  void SetTypedText(bool typed) { typedText_ = typed; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (StartMove(KeyStep(*event))) {
      QComboBox::keyPressEvent(event);
    } else {
      event->accept();
    }
  }

  void wheelEvent(QWheelEvent* event) override {
    if (StartMove(WheelStep(*event))) {
      QComboBox::wheelEvent(event);
    } else {
      event->accept();
    }
  }

 private:
  int WheelStep(const QWheelEvent& event) const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (!style()->styleHint(QStyle::SH_ComboBox_AllowWheelScrolling, &option, this)) return 0;
    const int delta = event.angleDelta().y();
    return delta > 0 ? -1 : delta < 0 ? 1 : 0;
  }

  // Qt moves through the list from the item it holds; from typed text a
  // move starts from no item instead: down it reaches the first item, up
  // there is none. False when the move ends here.
  bool StartMove(int step) {
    if (!typedText_ || step == 0 || count() == 0) return true;
    if (step < 0) return false;
    setCurrentIndex(-1);
    return true;
  }

  bool typedText_ = false;
};

TComboBox::TComboBox(QWidget* parent, std::string name, bool editable)
    : TControl(std::move(name), new ItemList(parent)) {
  box_ = static_cast<ItemList*>(Widget());
  box_->setEditable(editable);
  box_->setInsertPolicy(QComboBox::NoInsert);
  // A placeholder stops Qt from selecting item 0 when the first item is added.
  box_->setPlaceholderText(QStringLiteral(" "));
  box_->setMaxVisibleItems(20);
  if (editable) FollowTypedText();
}

void TComboBox::FollowTypedText() {
  auto* edit = new SingleLineEdit(box_);
  box_->setLineEdit(edit);
  // The system's list neither completes typed text nor selects an item
  // whose text was typed: only a choice from the list selects one.
  box_->setCompleter(nullptr);
  edit->setValidator(new UnfinishedTextValidator(edit));
  QObject::connect(edit, &QLineEdit::textEdited, box_, [this] { box_->SetTypedText(true); });
  QObject::connect(box_, &QComboBox::activated, box_, [this] { box_->SetTypedText(false); });
}

int TComboBox::ItemIndex() const { return box_->HoldsTypedText() ? -1 : box_->currentIndex(); }

void TComboBox::SetItemIndex(int index) {
  box_->SetTypedText(false);
  box_->setCurrentIndex(index >= 0 && index < box_->count() ? index : -1);
}

int TComboBox::NamedItemIndex() const {
  const int index = ItemIndex();
  if (index >= 0 || !box_->isEditable()) return index;
  const QString typed = box_->currentText().trimmed();
  for (int i = 0; i < box_->count(); ++i) {
    if (box_->itemText(i).compare(typed, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
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
