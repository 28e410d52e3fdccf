#include "skin/controls/message_box.h"

#include "platform/forms/forms.h"
#include "skin/controls/message_box_flags.h"
#include "skin/core/message_box_position_win.h"

int ShowTypedMessageBox(const std::string* caption, const std::string& text, TMsgDlgType type,
                        TMsgDlgButtons buttons, int x, int y, int) {
  TMessageBoxButtons b;
  b.Yes = buttons.Contains(mbYes);
  b.No = buttons.Contains(mbNo);
  b.OK = buttons.Contains(mbOK);
  b.Cancel = buttons.Contains(mbCancel);
  b.Abort = buttons.Contains(mbAbort);
  b.Retry = buttons.Contains(mbRetry);
  b.Ignore = buttons.Contains(mbIgnore);
  b.Help = buttons.Contains(mbHelp);
  const std::string& title = caption ? *caption : MessageBoxCaption(type);
  // The requested place must not outlive the box, also when showing it
  // raises.
  struct TPlace {
    TPlace(int left, int top) { MessageBoxLeft = left, MessageBoxTop = top; }
    ~TPlace() { MessageBoxLeft = -1, MessageBoxTop = -1; }
  } place(x, y);
  return Application->MessageBox(text, title, MessageBoxFlags(type, b));
}

int ShowTypedMessageBoxDefault(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpContext) {
  return ShowTypedMessageBox(nullptr, text, type, buttons, -1, -1, helpContext);
}
