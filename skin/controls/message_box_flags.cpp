#include "skin/controls/message_box_flags.h"

namespace {

// The system box's values, so this needs no window system.
enum : unsigned {
  kOkCancel = 0x1,
  kAbortRetryIgnore = 0x2,
  kYesNoCancel = 0x3,
  kYesNo = 0x4,
  kRetryCancel = 0x5,
  kIconHand = 0x10,
  kIconQuestion = 0x20,
  kIconExclamation = 0x30,
  kIconAsterisk = 0x40,
  kHelp = 0x4000,
};

const std::string kCaptions[kMessageBoxTypes + 1] = {"Warning", "Error", "Information", "Confirm", "", ""};
constexpr unsigned kIcons[kMessageBoxTypes] = {kIconExclamation, kIconHand, kIconAsterisk, kIconQuestion, 0};

bool ValidType(int type) { return type >= 0 && type < kMessageBoxTypes; }

}  // namespace

const std::string& MessageBoxCaption(int type) { return kCaptions[ValidType(type) ? type : kMessageBoxTypes]; }

unsigned MessageBoxFlags(int type, const TMessageBoxButtons& b) {
  unsigned flags = ValidType(type) ? kIcons[type] : 0;
  if (!b.OK) {
    if (b.Abort || b.Ignore) flags |= kAbortRetryIgnore;
    else if (b.Yes || b.No) flags |= b.Cancel ? kYesNoCancel : kYesNo;
    else if (b.Retry) flags |= kRetryCancel;
  } else if (b.Cancel) {
    flags |= kOkCancel;
  }
  if (b.Help) flags |= kHelp;
  return flags;
}
