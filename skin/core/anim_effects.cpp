#include "skin/core/anim_effects.h"

#include "skin/core/skin_manager.h"

TvxBtnEvents GlobalBtnEvents = AllBtnEvents;

TvxBtnEvents TvxBtnEffects::Events() const { return GlobalBtnEvents * AllBtnEvents; }

void TvxBtnEffects::SetEvents(TvxBtnEvents events) {
  if (events == events_) return;
  events_ = events;
  if (manager_ && manager_ == DefaultManager) GlobalBtnEvents = events_ * AllBtnEvents;
}

TvxAnimEffects::TvxAnimEffects(TsSkinManager* manager)
    : manager_(manager),
      buttons_(std::make_unique<TvxBtnEffects>(manager)),
      dialogShow_(std::make_unique<TvxDialogShow>()),
      formShow_(std::make_unique<TvxFormShow>()),
      skinChanging_(std::make_unique<TvxSkinChanging>()),
      pageChange_(std::make_unique<TvxPageChange>()) {}

TvxAnimEffects::~TvxAnimEffects() = default;
