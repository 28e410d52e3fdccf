#include "skin/controls/common_data.h"

#include "platform/forms/controls.h"
#include "platform/rtl/text1251.h"

TsCommonData::TsCommonData(TPersistent* host, int controlKind)
    : controlKind_(controlKind),
      hostObject_(host),
      hostControl_(dynamic_cast<TControl*>(host)) {}

void TsCommonData::SetSkinSection(const std::string& value) {
  if (value == skinSection_) return;
  skinSection_ = value.empty() ? std::string("UNKNOWN") : UpperCase(value);
}
