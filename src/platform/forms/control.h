#pragma once
// Base of every control: a Qt widget with the class library's properties.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QString;

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Controls that change often (the log box, the progress bar) draw their
// latest state at most this often instead of repainting on every change.
inline constexpr int DeferredPaintMilliseconds = 50;

// Control text is a byte string shown through the Latin-1 mapping.
QString ToQString(const std::string& bytes);
std::string FromQString(const QString& text);

class TControl : public TObject {
 public:
  TControl(std::string name, QWidget* widget);
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  const std::string& Name() const { return name_; }
  QWidget* Widget() const { return widget_; }

  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left);

  // Hint (tooltip); an empty hint shows none.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);

 private:
  std::string name_;
  QWidget* widget_;
  std::string hint_;
};

// A control that holds others: form client area, group box, tab sheet.
class TWinControl : public TControl {
 public:
  using TControl::TControl;

  // Creates a child control whose widget is a child of this one's; the
  // container owns it.
  template <class T, class... Args>
  T* Add(Args&&... args) {
    auto child = std::make_unique<T>(ClientWidget(), std::forward<Args>(args)...);
    T* raw = child.get();
    children_.push_back(std::move(child));
    return raw;
  }
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }

  virtual QWidget* ClientWidget() const { return Widget(); }

 private:
  std::vector<std::unique_ptr<TControl>> children_;
};

// Runs an event handler the way the message loop does: an exception that
// leaves it is shown in the application's error box.
void DispatchEvent(const std::function<void()>& handler);
