#include "label.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>

TLabel::TLabel(QWidget* parent, std::string name, const std::string& caption)
    : TControl(std::move(name), new QLabel(parent)) {
  label_ = static_cast<QLabel*>(Widget());
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetCaption(caption);
}

std::string TLabel::Caption() const { return FromQString(label_->text()); }

void TLabel::SetCaption(const std::string& caption) {
  label_->setText(ToQString(caption));
  AutoSize();
}

void TLabel::SetBold(bool bold) {
  QFont font = label_->font();
  font.setBold(bold);
  label_->setFont(font);
  AutoSize();
}

void TLabel::SetStrikeOut(bool strikeOut) {
  QFont font = label_->font();
  font.setStrikeOut(strikeOut);
  label_->setFont(font);
}

void TLabel::SetWordWrap(bool wordWrap) { label_->setWordWrap(wordWrap); }
bool TLabel::Bold() const { return label_->font().bold(); }
bool TLabel::StrikeOut() const { return label_->font().strikeOut(); }

void TLabel::AutoSize(int maxWidth) {
  const QFontMetrics metrics(label_->font());
  if (maxWidth > 0 && label_->wordWrap()) {
    const QRect rect = metrics.boundingRect(QRect(0, 0, maxWidth, 1000), Qt::TextWordWrap, label_->text());
    label_->resize(maxWidth, rect.height());
  } else {
    label_->resize(metrics.horizontalAdvance(label_->text()) + 2, metrics.height());
  }
}

TGroupBox::TGroupBox(QWidget* parent, std::string name, const std::string& caption)
    : TWinControl(std::move(name), new QGroupBox(ToQString(caption), parent)) {}

std::string TGroupBox::Caption() const { return FromQString(static_cast<QGroupBox*>(Widget())->title()); }

TImage::TImage(QWidget* parent, std::string name) : TControl(std::move(name), new QLabel(parent)) {}

void TImage::SetPicture(const QImage& image) {
  static_cast<QLabel*>(Widget())->setPixmap(QPixmap::fromImage(image));
}
