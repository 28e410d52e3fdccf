// TCustomMemo: the multi-line edit and its Lines.
#include "platform/forms/stdctrls.h"

#include <vector>

#include "platform/forms/forms.h"
#include "platform/rtl/text1251.h"

namespace {

// Lone CR or LF become CR LF, the only line break the window knows.
std::string WithWindowLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

// The lines of a memo. With a window they are the window's lines (each an
// EM_ call); without one they are the memo's text split at its line breaks,
// which is also what the window shows once it is made.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override { memo_->SetText(std::string()); }
  void SetText(const std::string& text) override {
    memo_->SetText(WithWindowLineBreaks(text));
  }

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  int GetCount() const override;
  void SetUpdateState(bool updating) override;

 private:
  HWND Window() const { return memo_->HandleIfAllocated(); }
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(Window(), msg, w, l); }
  // The memo's text as lines, for the times without window.
  void ReadText(TStringList& lines) const { lines.SetText(memo_->Text()); }
  void WriteText(const TStringList& lines) { memo_->SetText(lines.Text()); }
  void ReplaceRange(int start, int end, const std::wstring& with);

  TCustomMemo* memo_;
};

int TMemoStrings::GetCount() const {
  if (!Window()) {
    TStringList lines;
    ReadText(lines);
    return lines.Count();
  }
  int count = static_cast<int>(Send(EM_GETLINECOUNT));
  // The empty line after a final line break is no line of the list.
  if (count > 0 && Send(EM_LINELENGTH, static_cast<WPARAM>(Send(EM_LINEINDEX, count - 1))) == 0)
    --count;
  return count;
}

std::string TMemoStrings::Get(int index) const {
  if (index < 0 || index >= GetCount()) IndexError(index);
  if (!Window()) {
    TStringList lines;
    ReadText(lines);
    return lines.Strings(index);
  }
  const LRESULT start = Send(EM_LINEINDEX, static_cast<WPARAM>(index));
  const int length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  if (length <= 0) return {};
  // EM_GETLINE takes the buffer size in its first word and writes no NUL.
  std::vector<wchar_t> buffer(static_cast<size_t>(std::max(length, 1)) + 1, 0);
  buffer[0] = static_cast<wchar_t>(length);
  const int got = static_cast<int>(
      Send(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data())));
  return brsm::FromUtf16(buffer.data(), std::min(got, length));
}

void TMemoStrings::ReplaceRange(int start, int end, const std::wstring& with) {
  Send(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  Send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(with.c_str()));
}

void TMemoStrings::Put(int index, const std::string& s) {
  if (index < 0 || index >= GetCount()) IndexError(index);
  if (!Window()) {
    TStringList lines;
    ReadText(lines);
    lines.SetStrings(index, s);
    WriteText(lines);
    return;
  }
  const int start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  const int length = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  ReplaceRange(start, start + length, brsm::ToUtf16(s));
}

void TMemoStrings::Insert(int index, const std::string& s) {
  if (index < 0 || index > GetCount()) IndexError(index);
  if (!Window()) {
    TStringList lines;
    ReadText(lines);
    lines.Insert(index, s);
    WriteText(lines);
    return;
  }
  const int start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  if (start >= 0) {
    ReplaceRange(start, start, brsm::ToUtf16(s + "\r\n"));
    return;
  }
  // After a last line without line break: break it first.
  const int lastStart = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index - 1)));
  const int lastLength = static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(lastStart)));
  const int end = lastStart + lastLength;
  ReplaceRange(end, end, brsm::ToUtf16("\r\n" + s));
}

void TMemoStrings::Delete(int index) {
  if (index < 0 || index >= GetCount()) IndexError(index);
  if (!Window()) {
    TStringList lines;
    ReadText(lines);
    lines.Delete(index);
    WriteText(lines);
    return;
  }
  const int start = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index)));
  int end = static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(index + 1)));
  if (end < 0) end = start + static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(start)));
  ReplaceRange(start, end, std::wstring());
}

void TMemoStrings::SetUpdateState(bool updating) {
  // WM_SETREDRAW(TRUE) shows a window: only a showing memo may get it.
  if (!Window() || !memo_->Showing()) return;
  Send(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating) memo_->Refresh();
}

// -- TCustomMemo ------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSize(false);
  SetControlStyle(ControlStyle() - TControlStyle{csFixedHeight});
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLines(TStrings* v) { lines_->Assign(v); }

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_WANTRETURN;
  if (wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth)
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
  switch (alignment_) {
    case taLeftJustify: params.Style |= ES_LEFT; break;
    case taRightJustify: params.Style |= ES_RIGHT; break;
    case taCenter: params.Style |= ES_CENTER; break;
  }
}

void TCustomMemo::SetAlignment(TAlignment v) {
  if (alignment_ == v) return;
  alignment_ = v;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
  if (scrollBars_ == v) return;
  scrollBars_ = v;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (wordWrap_ == v) return;
  wordWrap_ = v;
  RecreateWnd();
}

TPoint TCustomMemo::CaretPos() const {
  HWND wnd = const_cast<TCustomMemo*>(this)->Handle();
  DWORD start = 0, end = 0;
  SendMessageW(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int line = static_cast<int>(SendMessageW(wnd, EM_LINEFROMCHAR, start, 0));
  const int lineStart = static_cast<int>(SendMessageW(wnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
  return TPoint{static_cast<int>(start) - lineStart, line};
}

void TCustomMemo::SetCaretPos(TPoint p) {
  HWND wnd = Handle();
  const int lineStart = static_cast<int>(SendMessageW(wnd, EM_LINEINDEX, static_cast<WPARAM>(p.Y), 0));
  if (lineStart < 0) return;
  const int position = lineStart + p.X;
  SendMessageW(wnd, EM_SETSEL, static_cast<WPARAM>(position), position);
}

void TCustomMemo::Dispatch(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    TCustomEdit::Dispatch(m);
    if (!wantTabs_) m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (!wantReturns_) m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    return;
  }
  TCustomEdit::Dispatch(m);
}
