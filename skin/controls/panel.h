// The skinned container panel: the platform's TPanel whose face (section
// look, bevel room, caption) is rendered into its skin record's cache and
// copied to the screen with its windowless children; it passes the skin's
// commands on to its children.
#pragma once

#include <functional>
#include <memory>

#include "platform/forms/extctrls.h"
#include "platform/graphics/canvas.h"
#include "skin/core/common_data.h"

using TPaintEvent = std::function<void(TObject* sender, TCanvas* canvas)>;

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner);
  ~TsPanel() override;

  TsCommonData* SkinData() const { return skinData_.get(); }
  // Unskinned: paints instead of the platform; skinned: over the cache.
  TPaintEvent OnPaint;

  void WndProc(TMessage& message) override;
  void Loaded() override;

  // The face and the windowless children onto a DC (the canvas's when
  // nullptr); with finishUpdate the children are told the update ended.
  virtual void PaintToDC(HDC dc, bool finishUpdate);

 protected:
  // One caption line into the cache, centred in the rectangle.
  virtual void DrawCaption(TRect rect);
  void Paint() override;
  void PaintWindow(HDC dc) override;

 private:
  void RebuildCache();
  bool HandleSkinCommand(TMessage& m);
  void HandleSkinned(TMessage& m);
  void HandleUnskinned(TMessage& m);
  void PaintMessage(TMessage& m);

  std::unique_ptr<TsCommonData> skinData_;
};
