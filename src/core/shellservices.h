#pragma once

#include <QString>

namespace op {

// Shows and hides the wait window. The program installs one that shows a real window; without it
// the wait calls do nothing, so libraries and headless commands can call them freely.
class WaitPresenter {
 public:
  virtual ~WaitPresenter() = default;
  virtual void show(const QString &text) = 0;
  virtual void hide() = 0;
};

// The process-wide shell services: the wait window and new identifiers.
class TCommFun {
 public:
  static TCommFun &instance();

  // Shows the wait window with `text` at once, without a message loop of its own. Pair with HideWait on
  // every path (WaitGuard does that).
  void ShowWait(const QString &text);
  // Closes the wait window if one is shown; otherwise nothing.
  void HideWait();
  bool waitShown() const { return shown_; }
  // 32 upper-case hexadecimal digits, see op::getId().
  QString GetID() const;

  // Installs the presenter (not owned); nullptr removes it, hiding a shown window first.
  void setWaitPresenter(WaitPresenter *presenter);

 private:
  WaitPresenter *presenter_ = nullptr;
  bool shown_ = false;
};

inline void ShowWait(const QString &text) {
  TCommFun::instance().ShowWait(text);
}
inline void HideWait() {
  TCommFun::instance().HideWait();
}

// Shows the wait window for the lifetime of the guard, so it is hidden on every path, failures included.
class WaitGuard {
 public:
  explicit WaitGuard(const QString &text) { ShowWait(text); }
  ~WaitGuard() { HideWait(); }
  WaitGuard(const WaitGuard &) = delete;
  WaitGuard &operator=(const WaitGuard &) = delete;
};

}  // namespace op
