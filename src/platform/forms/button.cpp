#include "button.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

#include "form.h"

TButton::TButton(QWidget* parent, std::string name, const std::string& caption)
    : TControl(std::move(name), new QPushButton(parent)) {
  button_ = static_cast<QPushButton*>(Widget());
  button_->setText(ToQString(caption));
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] {
    if (OnClick) DispatchEvent([this] { OnClick(this); });
  });
}

std::string TButton::Caption() const { return FromQString(button_->text()); }
void TButton::Click() { button_->click(); }

TBitBtn::TBitBtn(QWidget* parent, std::string name, TForm& form)
    : TButton(parent, std::move(name), "OK") {
  auto* button = static_cast<QPushButton*>(Widget());
  button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
  button->setDefault(true);
  OnClick = [&form](TObject*) { form.SetModalResult(mrOk); };
}
