// The manager's animation switches and durations. Plain property holders:
// the fades themselves belong to the buttons, the fade timer and the form
// redraw unlock.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/rtl/classes.h"
#include "platform/rtl/sets.h"

class TsSkinManager;

enum TvxBtnEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TvxBtnEvents = TSet<TvxBtnEvent>;
inline constexpr TvxBtnEvents AllBtnEvents{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};

// The button events in force for the whole library; the default manager's
// AnimEffects.Buttons.Events sets them.
extern TvxBtnEvents GlobalBtnEvents;

class TvxBtnEffects : public TPersistent {
 public:
  explicit TvxBtnEffects(TsSkinManager* manager) : manager_(manager) {}
  // The library-wide set, not this object's own copy.
  TvxBtnEvents Events() const;
  void SetEvents(TvxBtnEvents events);
  TsSkinManager* Manager() const { return manager_; }

 private:
  TsSkinManager* manager_;
  TvxBtnEvents events_ = AllBtnEvents;
};

class TvxFormAnimation : public TPersistent {
 public:
  explicit TvxFormAnimation(uint16_t time = 0) : time_(time) {}
  bool Active() const { return active_; }
  void SetActive(bool v) { active_ = v; }
  // Milliseconds.
  uint16_t Time() const { return time_; }
  void SetTime(uint16_t v) { time_ = v; }

 private:
  bool active_ = true;
  uint16_t time_;
};

class TvxFormShow : public TvxFormAnimation {};
class TvxPageChange : public TvxFormAnimation {};
class TvxDialogShow : public TvxFormAnimation {
 public:
  TvxDialogShow() : TvxFormAnimation(100) {}
};
class TvxSkinChanging : public TvxFormAnimation {
 public:
  TvxSkinChanging() : TvxFormAnimation(100) {}
};

class TvxAnimEffects : public TPersistent {
 public:
  explicit TvxAnimEffects(TsSkinManager* manager);
  ~TvxAnimEffects() override;

  TvxBtnEffects* Buttons() const { return buttons_.get(); }
  TvxDialogShow* DialogShow() const { return dialogShow_.get(); }
  TvxFormShow* FormShow() const { return formShow_.get(); }
  TvxSkinChanging* SkinChanging() const { return skinChanging_.get(); }
  TvxPageChange* PageChange() const { return pageChange_.get(); }
  TsSkinManager* Manager() const { return manager_; }

 private:
  TsSkinManager* manager_;
  std::unique_ptr<TvxBtnEffects> buttons_;
  std::unique_ptr<TvxDialogShow> dialogShow_;
  std::unique_ptr<TvxFormShow> formShow_;
  std::unique_ptr<TvxSkinChanging> skinChanging_;
  std::unique_ptr<TvxPageChange> pageChange_;
};
