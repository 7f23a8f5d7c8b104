#include "check_box.h"

#include <QCheckBox>

TCheckBox::TCheckBox(QWidget* parent, std::string name, const std::string& caption)
    : TControl(std::move(name), new QCheckBox(parent)) {
  box_ = static_cast<QCheckBox*>(Widget());
  box_->setText(ToQString(caption));
  QObject::connect(box_, &QCheckBox::toggled, box_, [this](bool) {
    if (OnClick) DispatchEvent([this] { OnClick(this); });
  });
}

bool TCheckBox::Checked() const { return box_->isChecked(); }
void TCheckBox::SetChecked(bool checked) { box_->setChecked(checked); }
std::string TCheckBox::Caption() const { return FromQString(box_->text()); }
