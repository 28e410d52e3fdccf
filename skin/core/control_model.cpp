#include "skin/core/control_model.h"

#include "skin/core/cache_bitmap.h"

TComponent* TsControlModel::AsControl(TPersistent*) { return nullptr; }
bool TsControlModel::IsWindowed(TComponent*) { return false; }
bool TsControlModel::HasHandle(TComponent*) { return false; }
uintptr_t TsControlModel::Handle(TComponent*) { return 0; }
bool TsControlModel::IsCustomEdit(TComponent*) { return false; }
bool TsControlModel::IsSkinProvider(TPersistent*) { return false; }
TComponent* TsControlModel::Parent(TComponent*) { return nullptr; }
int TsControlModel::ChildCount(TComponent*) { return 0; }
TComponent* TsControlModel::Child(TComponent*, int) { return nullptr; }
TComponent* TsControlModel::ParentForm(TComponent*) { return nullptr; }
TPoint TsControlModel::Position(TComponent*) { return TPoint{0, 0}; }
int TsControlModel::Width(TComponent*) { return 0; }
int TsControlModel::Height(TComponent*) { return 0; }
bool TsControlModel::AnchoredRightOrBottom(TComponent*) { return false; }
bool TsControlModel::Visible(TComponent*) { return false; }
bool TsControlModel::Enabled(TComponent*) { return false; }
bool TsControlModel::IsCreating(TComponent*) { return false; }
bool TsControlModel::IsReadingState(TComponent*) { return false; }
bool TsControlModel::CanFocus(TComponent*) { return false; }
bool TsControlModel::TabStop(TComponent*) { return false; }
bool TsControlModel::HasFocus(TComponent*) { return false; }
TColor TsControlModel::Color(TComponent*) { return clWindow; }
void TsControlModel::SetColor(TComponent*, TColor) {}
TColor TsControlModel::FontColor(TComponent*) { return clWindowText; }
void TsControlModel::SetFontColor(TComponent*, TColor) {}
intptr_t TsControlModel::Perform(TComponent*, TsCmdMessage&) { return 0; }
intptr_t TsControlModel::SendToWindow(TComponent*, TsCmdMessage&) { return 0; }
bool TsControlModel::SendReachesPerform(TComponent*) { return false; }
void TsControlModel::Invalidate(TComponent*) {}
void TsControlModel::RedrawWindow(TComponent*, uint32_t) {}
bool TsControlModel::ThemesInUse() { return false; }
void TsControlModel::ClearParentBackground(TComponent*) {}
void TsControlModel::RestoreWindowTheme(TComponent*) {}
void TsControlModel::DeliverToProvider(TPersistent*, TsCmdMessage&) {}
void TsControlModel::SendToProviderForm(TPersistent*, TsCmdMessage&) {}
void TsControlModel::FreeProviderFormCache(TPersistent*) {}
TColor TsControlModel::ProviderFormColor(TPersistent*) { return clBtnFace; }

std::unique_ptr<TsCacheBitmap> TsControlModel::CreateCacheBitmap() {
  return std::make_unique<TsBufferCacheBitmap>();
}

namespace {
TsControlModel& NoControls() {
  static TsControlModel model;
  return model;
}
TsControlModel* current = nullptr;
}  // namespace

TsControlModel& ControlModel() { return current ? *current : NoControls(); }
void SetControlModel(TsControlModel* model) { current = model; }
