// Hooks in front of a control's WindowProc that can be taken out in any order.
#include "platform/forms/controls.h"

struct brsm::TWindowProcHook::Node {
  TWndMethod hook;  // empty once the hook left while others sat above it
  TWndMethod previous;
};

namespace {

// What WindowProc holds for a hook: recognisable by its type, so a hook can
// tell whether it is still on top.
struct HookThunk {
  std::shared_ptr<brsm::TWindowProcHook::Node> node;
  void operator()(TMessage& m) const {
    // Keep the node alive while its function runs (it may uninstall itself).
    const auto keep = node;
    if (keep->hook)
      keep->hook(m);
    else if (keep->previous)
      keep->previous(m);
  }
};

}  // namespace

namespace brsm {

void TWindowProcHook::Install(TControl* control, TWndMethod hook) {
  Uninstall();
  if (!control) return;
  node_ = std::make_shared<Node>();
  node_->hook = std::move(hook);
  node_->previous = control->WindowProc;
  control_ = control;
  control->WindowProc = HookThunk{node_};
}

void TWindowProcHook::Uninstall() {
  if (!node_) return;
  const HookThunk* top = control_->WindowProc.target<HookThunk>();
  if (top && top->node == node_) {
    control_->WindowProc = node_->previous;
  } else {
    // Another hook went in above this one and holds our thunk as its
    // previous procedure: leave a pass-through behind.
    node_->hook = nullptr;
  }
  node_.reset();
  control_ = nullptr;
}

void TWindowProcHook::Previous(TMessage& message) const {
  if (!node_) return;
  const TWndMethod previous = node_->previous;
  if (previous) previous(message);
}

}  // namespace brsm
