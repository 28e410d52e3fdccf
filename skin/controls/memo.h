// The skinned memo: the platform's TMemo with its skin record (section
// "EDIT" unless a layout names another), a bound label, and an edit adapter
// on its window that paints its frame and skins its scroll bars.
#pragma once

#include <memory>

#include "platform/forms/stdctrls.h"
#include "skin/core/common_data.h"
#include "skin/core/edit_label_win.h"
#include "skin/core/section_painting.h"

class TvxEditWnd;

class TsMemo : public TMemo {
 public:
  explicit TsMemo(TComponent* owner);
  ~TsMemo() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  TsBoundLabel* BoundLabel() const { return boundLabel_.get(); }
  TsDisabledKind DisabledKind() const { return disabledKind_; }
  void SetDisabledKind(TsDisabledKind value);
  // The adapter on the memo's window; nullptr while the memo is not skinned.
  TvxEditWnd* ScrollAdapter() const { return adapter_; }

  TNotifyEvent OnVScroll;
  TNotifyEvent OnScrollCaret;

  void WndProc(TMessage& message) override;

 protected:
  void Loaded() override;

 private:
  void DropAdapter();

  std::unique_ptr<TsCommonData> skinData_;
  TsDisabledKind disabledKind_{dkBlended};
  std::unique_ptr<TsBoundLabel> boundLabel_;
  TvxEditWnd* adapter_ = nullptr;
};
