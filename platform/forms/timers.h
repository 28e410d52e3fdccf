// A timer component: OnTimer every Interval milliseconds while Enabled.
#pragma once

#include "platform/forms/messages.h"

#include "platform/rtl/classes.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // Milliseconds; 0 stops the timer.
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned v);

  // May free the timer (delete or Free) from inside its own handler.
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  friend struct TimerWindow;
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  UINT_PTR id_ = 0;
};
