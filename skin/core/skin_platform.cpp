#include "skin/core/skin_platform.h"

namespace {

// Stands in where no window system is: boxes go nowhere and the answers are
// those of a plain modern desktop.
class TDefaultSkinPlatform final : public TSkinPlatform {
 public:
  void ShowMessageBox(TSkinBoxKind, const std::string&) override {}
  void OsVersion(int& major, int& minor) override { major = 6; minor = 1; }
  int HScrollArrowWidth() override { return 17; }
  int CaptionFontHeight() override { return 0; }
};

TDefaultSkinPlatform defaultPlatform;
TSkinPlatform* current = &defaultPlatform;
int generation = 0;

}  // namespace

TSkinPlatform& SkinPlatform() { return *current; }

void SetSkinPlatform(TSkinPlatform* platform) {
  current = platform ? platform : &defaultPlatform;
  ++generation;
}

int SkinPlatformGeneration() { return generation; }
