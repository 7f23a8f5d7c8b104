#pragma once
// Qt's line edit held to the rules of the system's edit box: what the user
// enters is cut to the room left below the limit once the selection has
// gone, text set from code is held whole, and what is pasted, dropped or
// committed by an input method ends at its first line break, each
// character without a byte becoming "?". Undo and redo work after every
// way in.
#include <QClipboard>
#include <QLineEdit>

class SingleLineEdit : public QLineEdit {
 public:
  explicit SingleLineEdit(QWidget* parent = nullptr);

  // The most characters the user can enter; 0 for no limit of its own.
  int Limit() const { return limit_; }
  void SetLimit(int limit);
  // Sets the whole text, past the limit too, with no undo history.
  void SetTextFromCode(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int UserLimit() const;
  // Qt's maximum length for a text of this length.
  int MaxLengthFor(qsizetype textLength) const;
  // The characters an insertion may add beside the kept ones.
  qsizetype RoomBeside(qsizetype kept) const;
  qsizetype RoomOverSelection() const;
  void Paste(QClipboard::Mode mode);
  void EndUndoStep();

  int limit_ = 0;
};
