#pragma once
// Static text, group box and image.
#include "control.h"

class QLabel;
class QGroupBox;
class QImage;

class TLabel : public TControl {
 public:
  TLabel(QWidget* parent, std::string name, const std::string& caption);

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  void SetBold(bool bold);
  void SetStrikeOut(bool strikeOut);
  void SetWordWrap(bool wordWrap);
  bool Bold() const;
  bool StrikeOut() const;
  // Sizes the label to its text (one line unless word wrap is on).
  void AutoSize(int maxWidth = 0);

 private:
  QLabel* label_;
};

class TGroupBox : public TWinControl {
 public:
  TGroupBox(QWidget* parent, std::string name, const std::string& caption);
  std::string Caption() const;
};

class TImage : public TControl {
 public:
  TImage(QWidget* parent, std::string name);
  void SetPicture(const QImage& image);
};
