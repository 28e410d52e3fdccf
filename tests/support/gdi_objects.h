// This process's live GDI objects, counted so that a leak of one brush,
// font, bitmap, region or DC fails a test on Windows and under Wine alike.
#pragma once

#include <map>
#include <string>

namespace brsm::test {

class LiveGdiObjects {
 public:
  // Takes the count now. Where the system gives no count at all the
  // calling test fails: a leak check must never pass for want of a count.
  LiveGdiObjects();
  int Total() const { return total_; }
  // The kinds whose counts differ from `before`, e.g. "bitmap +1 brush/pen -2";
  // empty where only a total is known.
  std::string ChangeSince(const LiveGdiObjects& before) const;

 private:
  int total_ = 0;
  std::map<std::string, int> byKind_;
};

}  // namespace brsm::test
