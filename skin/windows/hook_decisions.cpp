#include "skin/windows/hook_decisions.h"

THookActivation DecideHookActivation(const THookWindowFacts& f) {
  if (f.AnswersSkinned || !f.HasDefaultManager || f.HasProvider) return THookActivation::Ignore;
  // The hidden application window and the print preview paint themselves.
  if (f.ClassName == "TApplication" || f.ClassName == "TQRStandardPreview") {
    return THookActivation::Ignore;
  }
  if (f.IsForm) {
    // The message dialog goes by the dialogs' rule and ignores the Tag.
    const bool accepted = f.ClassName == "TMessageForm"
                              ? f.StdDialogs
                              : f.StdForms && f.FormTag != NoAutoSkinTag;
    return accepted ? THookActivation::FormProvider : THookActivation::Ignore;
  }
  if (!f.StdDialogs) return THookActivation::Ignore;
  // Beside a skinned dialog on screen only the file dialogs' inner windows
  // are taken; other nested system windows keep their own look.
  if (f.VisibleDialogProviders > 0 && !f.HasToolbarDescendant) return THookActivation::Ignore;
  return THookActivation::DialogProvider;
}

namespace {

TvxChildAdapterChoice Make(TvxAdapterKind kind, std::string_view section, bool dialogMode = false) {
  TvxChildAdapterChoice c;
  c.Make = true;
  c.Kind = kind;
  c.Section = section;
  c.DialogMode = dialogMode;
  return c;
}

bool Has(uint32_t style, uint32_t bits) { return (style & bits) == bits; }

}  // namespace

TvxChildAdapterChoice ChooseChildAdapter(std::string_view cls, uint32_t style, int width,
                                         int height) {
  using K = TvxAdapterKind;
  if (cls == "static") {
    if (Has(style, 3) || Has(style, 0x0E)) return Make(K::IconWnd, "CHECKBOX");
    if (Has(style, 0x0D)) return {};
    const uint32_t type = style & 0x1F;
    if (type == 5 || type == 6 || type == 11) return {};
    return Make(K::StaticWnd, "CHECKBOX");
  }
  if (cls == "#32770") return Make(K::TransPanelWnd, "CHECKBOX");
  if (cls == "tpanel" || cls == "tsilentpaintpanel") {
    TvxChildAdapterChoice c = Make(K::DlgPanelWnd, "PANEL");
    c.ListedOnly = true;
    return c;
  }
  if (cls == "button") {
    if (Has(style, 7)) return Make(K::GroupBoxWnd, "GROUPBOX");
    if (Has(style, 3) || Has(style, 2) || Has(style, 5) || Has(style, 9) || Has(style, 4)) {
      return Make(K::CheckBoxWnd, "CHECKBOX");
    }
    return Make(K::BtnWnd, "BUTTON");
  }
  if (cls == "combobox") return Make(K::ComboBoxWnd, "COMBOBOX", true);
  if (cls == "combolbox") return Make(K::EditWnd, "COMBOBOX");
  if (cls == "comboboxex32") return Make(K::ComboBoxWnd, "COMBOBOX");
  if (cls == "scrollbar") return Make(K::SizerWnd, "CHECKBOX");
  if (cls == "systabcontrol32") {
    TvxChildAdapterChoice c;
    c.LeaveDialog = width == 470 && height == 349;
    return c;
  }
  if (cls == "syslistview32") return Make(K::ListViewWnd, "EDIT", true);
  if (cls == "msctls_updown32") {
    TvxChildAdapterChoice c = Make(K::SpinWnd, "SPEEDBUTTON_SMALL");
    c.LeftOffset = 2;
    return c;
  }
  if (cls == "listbox") return Make(K::EditWnd, "EDIT", true);
  if (cls == "link window" || cls == "syslink") return Make(K::LinkWnd, "CHECKBOX");
  if (cls == "toolbarwindow32") return Make(K::ToolBarWnd, Has(style, 0x200) ? "BAR" : "CHECKBOX");
  if (cls == "edit") return Make(K::EditWnd, "EDIT", true);
  if (cls == "systreeview32") return Make(K::TreeViewWnd, "EDIT", true);
  if (cls.find("shbrowseforfolder") != std::string_view::npos) {
    return Make(K::TransPanelWnd, "CHECKBOX");
  }
  return {};
}
