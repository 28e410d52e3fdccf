#include "skin/core/gradient_data.h"

#include "platform/rtl/sysutils.h"
#include "skin/core/skin_utils.h"

void ParseGradientData(const std::string& text, TGradientArray& stops) {
  stops.clear();
  if (text.empty()) return;
  const std::vector<std::string> words = SplitWords(text, ";");
  const size_t count = words.size() / 5;
  TGradientArray parsed(count);
  for (size_t i = 0; i < count; ++i) {
    TGradientStop& stop = parsed[i];
    stop.StartColor = StrToInt(words[5 * i]);
    stop.EndColor = StrToInt(words[5 * i + 1]);
    const int share = StrToInt(words[5 * i + 2]);
    stop.Share = share < 100 ? share : 100;
    stop.Mode = StrToInt(words[5 * i + 3]);
  }
  stops = std::move(parsed);
}
