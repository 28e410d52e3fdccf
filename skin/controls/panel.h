// The skinned container panel: the platform's TPanel with its skin record.
#pragma once

#include <memory>

#include "platform/forms/extctrls.h"
#include "skin/core/common_data.h"

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner);
  ~TsPanel() override;

  TsCommonData* SkinData() const { return skinData_.get(); }

 private:
  std::unique_ptr<TsCommonData> skinData_;
};
