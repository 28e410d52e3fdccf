#include "skin/windows/combo_search.h"

namespace {

constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr char kEscape = 27;

// The editable box loses characters and its selection; the item goes.
void EditAfterDelete(TvxComboKeyResult& r, std::string text, int caret) {
  r.SetText = true;
  r.Text = std::move(text);
  r.SelStart = caret;
  r.SelLength = 0;
  r.SetIndex = true;
  r.Index = -1;
}

}  // namespace

TvxComboKeyResult ComboSearchKey(TvxComboSearch& search, const TvxComboKeyState& box, char key,
                                 TvxComboSearchSeam& seam) {
  TvxComboKeyResult r;
  if (box.Editable) {
    search.Text = box.EditText;
  } else {
    const uint32_t now = seam.Now();
    if (now - search.LastKeyTime > ComboSearchPause) search.Text.clear();  // unsigned: survives wrapping
    search.LastKeyTime = now;
  }
  const int size = static_cast<int>(search.Text.size());
  if (key == kBackspace) {
    r.Swallowed = true;
    r.Change = true;
    const int start = box.SelStart < 0 ? 0 : (box.SelStart > size ? size : box.SelStart);
    if (box.Editable && box.SelLength > 0 && start < size) {
      const int len = box.SelLength > size - start ? size - start : box.SelLength;
      search.Text.erase(start, len);
      EditAfterDelete(r, search.Text, start);
    } else if (box.Editable && start > 0) {
      search.Text.erase(start - 1, 1);
      EditAfterDelete(r, search.Text, start - 1);
    } else if (!box.Editable && !search.Text.empty()) {
      search.Text.pop_back();
    }
    if (search.Text.empty()) {
      r.SetIndex = true;
      r.Index = -1;
    }
    return r;
  }
  if (key == kTab || key == kEscape) return r;
  std::string prefix = search.Text;
  if (box.Editable && box.SelLength > 0 && box.SelStart >= 0 && box.SelStart <= size) prefix.resize(box.SelStart);
  prefix += key;
  const int found = seam.FindPrefix(prefix);
  if (found < 0) {
    // An editable box takes the character as typed; a list-only box ignores it.
    r.Swallowed = !box.Editable;
    return r;
  }
  r.Swallowed = true;
  r.SetIndex = true;
  r.Index = found;
  r.Select = found != box.ItemIndex;
  if (box.Editable) {
    const std::string item = seam.ItemText(found);
    search.Text = item;
    r.SetText = true;
    r.Text = item;
    r.SelStart = static_cast<int>(prefix.size());
    r.SelLength = static_cast<int>(item.size()) - r.SelStart;
    if (r.SelLength < 0) r.SelLength = 0;
    r.Change = true;
  } else {
    search.Text = prefix;
  }
  return r;
}
