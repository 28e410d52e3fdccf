// The library's message dialog: a form made for one message and freed
// after it was answered.
#include "platform/forms/dialogs.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/forms/clipboard.h"
#include "platform/forms/extctrls.h"
#include "platform/forms/stdctrls.h"
#include "platform/rtl/message_box_text.h"

namespace {

constexpr int kMargin = 12;       // between the form's edge and its contents
constexpr int kIconGap = 12;      // between the icon and the message
constexpr int kButtonGap = 8;     // between two buttons
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kIconSize = 32;

LPCWSTR TypeIcon(TMsgDlgType type) {
  switch (type) {
    // The system's stock icons by number (the IDI_ macros are narrow here).
    case mtWarning: return MAKEINTRESOURCEW(32515);
    case mtError: return MAKEINTRESOURCEW(32513);
    case mtInformation: return MAKEINTRESOURCEW(32516);
    case mtConfirmation: return MAKEINTRESOURCEW(32514);
    case mtCustom: return nullptr;
  }
  return nullptr;
}

const char* ButtonName(TMsgDlgBtn button) {
  static const char* names[] = {"Yes", "No", "OK", "Cancel", "Abort", "Retry",
                                "Ignore", "All", "NoToAll", "YesToAll", "Help"};
  return names[button];
}

// The system's message font, as its own message boxes use it.
void TakeMessageFont(TFont* font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    font->AssignLogFont(metrics.lfMessageFont);
}

}  // namespace

std::string TMessageForm::TypeCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    case mtCustom: break;
  }
  return Application ? Application->Title() : std::string();
}

std::string TMessageForm::ButtonCaption(TMsgDlgBtn button) {
  static const char* captions[] = {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry",
                                   "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"};
  return captions[button];
}

TModalResult TMessageForm::ButtonModalResult(TMsgDlgBtn button) {
  static const TModalResult results[] = {mrYes,   mrNo,  mrOk,      mrCancel,   mrAbort, mrRetry,
                                         mrIgnore, mrAll, mrNoToAll, mrYesToAll, mrNone};
  return results[button];
}

TMessageForm::TMessageForm(TComponent* owner, const std::string& message, TMsgDlgType type,
                           TMsgDlgButtons buttons)
    : TForm(owner) {
  // Built as a stored layout is, so the default button can be made the
  // active control before the form is shown.
  brsm::LayoutReader layout(this);
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  TakeMessageFont(Font());
  SetCaption(TypeCaption(type));
  // The buttons hold the focus; the form sees the copy keys first.
  SetKeyPreview(true);

  // The message as DrawText lays it out on the form's font, at most half
  // the screen wide.
  TRect text{0, 0, std::max(Screen->Width() / 2, 100), 0};
  {
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.SetFont(Font());
    canvas.TextRect(text, message.empty() ? std::string(" ") : message,
                    DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    std::vector<int> widths;
    for (int b = mbYes; b <= mbHelp; ++b) {
      const auto kind = static_cast<TMsgDlgBtn>(b);
      if (!buttons.Contains(kind)) continue;
      TRect caption{};
      canvas.TextRect(caption, ButtonCaption(kind), DT_CALCRECT | DT_SINGLELINE);
      widths.push_back(std::max(kButtonWidth, caption.Width() + 16));
    }
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);

    const LPCWSTR iconId = TypeIcon(type);
    const int iconRoom = iconId ? kIconSize + kIconGap : 0;
    int buttonsWidth = 0;
    for (int w : widths) buttonsWidth += w;
    if (!widths.empty()) buttonsWidth += kButtonGap * static_cast<int>(widths.size() - 1);
    const int contentWidth = std::max(iconRoom + text.Width(), buttonsWidth);
    const int contentHeight = std::max(text.Height(), iconId ? kIconSize : 0);

    if (iconId) {
      icon_ = layout.Read(new TImage(this));
      icon_->SetName("Image");
      icon_->SetParent(this);
      icon_->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
      // A copy: the shared system icon must not be destroyed with the form.
      icon_->Picture()->Icon()->SetHandle(CopyIcon(LoadIconW(nullptr, iconId)));
    }
    message_ = layout.Read(new TLabel(this));
    message_->SetName("Message");
    message_->SetParent(this);
    message_->SetShowAccelChar(false);
    message_->SetWordWrap(true);
    message_->SetAutoSize(false);
    message_->SetBounds(kMargin + iconRoom, kMargin + (contentHeight - text.Height()) / 2, text.Width(),
                        text.Height());
    message_->SetCaption(message);

    // Enter presses the first of OK and Yes (else the first button), Esc
    // the Cancel button, else No, else OK.
    TMsgDlgBtn defaultButton = mbOK;
    if (!buttons.Contains(mbOK)) {
      defaultButton = mbYes;
      if (!buttons.Contains(mbYes))
        for (int b = mbYes; b <= mbHelp; ++b)
          if (buttons.Contains(static_cast<TMsgDlgBtn>(b))) {
            defaultButton = static_cast<TMsgDlgBtn>(b);
            break;
          }
    }
    TMsgDlgBtn cancelButton = mbCancel;
    if (!buttons.Contains(mbCancel)) cancelButton = buttons.Contains(mbNo) ? mbNo : mbOK;

    const int buttonTop = kMargin + contentHeight + kMargin;
    int x = kMargin + (contentWidth - buttonsWidth) / 2;
    size_t next = 0;
    int tabOrder = 0;
    for (int b = mbYes; b <= mbHelp; ++b) {
      const auto kind = static_cast<TMsgDlgBtn>(b);
      if (!buttons.Contains(kind)) continue;
      auto* button = layout.Read(new TButton(this));
      button->SetName(ButtonName(kind));
      button->SetParent(this);
      button->SetCaption(ButtonCaption(kind));
      button->SetModalResult(ButtonModalResult(kind));
      button->SetDefault(kind == defaultButton);
      button->SetCancel(kind == cancelButton);
      button->SetBounds(x, buttonTop, widths[next], kButtonHeight);
      button->SetTabOrder(tabOrder++);
      if (kind == defaultButton) SetActiveControl(button);
      x += widths[next] + kButtonGap;
      ++next;
      buttons_[kind] = button;
    }
    SetClientSize(contentWidth + 2 * kMargin, buttonTop + kButtonHeight + kMargin);
  }
  layout.Finish();
}

std::string TMessageForm::CopyText() const {
  std::vector<std::string> captions;
  for (const TButton* button : buttons_)
    if (button) captions.push_back(WithoutAmpersands(button->Caption()));
  return brsm::MessageBoxCopyText(Caption(), message_->Caption(), captions);
}

void TMessageForm::KeyDown(WORD& key, TShiftState shift) {
  if (shift == TShiftState{ssCtrl} && (key == 'C' || key == VK_INSERT)) {
    brsm::PutTextOnClipboard(Handle(), CopyText());
    key = 0;
    return;
  }
  TForm::KeyDown(key, shift);
}

TMessageForm* CreateMessageDialog(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  auto* form = new TMessageForm(Application, message, type, buttons);
  form->AfterConstruction();
  return form;
}

TModalResult MessageDlgPos(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                           int helpContext, int x, int y) {
  std::unique_ptr<TMessageForm, void (*)(TMessageForm*)> form(CreateMessageDialog(message, type, buttons),
                                                                [](TMessageForm* f) { f->Free(); });
  if (x >= 0) form->SetLeft(x);
  if (y >= 0) form->SetTop(y);
  if (x >= 0 || y >= 0) form->SetPosition(poDesigned);
  return form->ShowModal();
}

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext) {
  return MessageDlgPos(message, type, buttons, helpContext, -1, -1);
}

void ShowMessage(const std::string& message) { MessageDlgPos(message, mtCustom, {mbOK}, 0, -1, -1); }
