#include "platform/rtl/text1251.h"

#include <array>
#include <cstdint>
#include <cwchar>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Bytes 0x80..0xFF of code page 1251; 0x98 has no character.
constexpr char16_t kHigh[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kReplacement, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Reverse table over the BMP, built once; 0 means "no 1251 byte" except for
// U+0000 itself.
const std::array<uint8_t, 65536>& ReverseTable() {
  static const std::array<uint8_t, 65536> table = [] {
    std::array<uint8_t, 65536> t{};
    for (int i = 0; i < 0x80; ++i) t[i] = static_cast<uint8_t>(i);
    for (int i = 0; i < 0x80; ++i)
      if (kHigh[i] != kReplacement) t[kHigh[i]] = static_cast<uint8_t>(0x80 + i);
    return t;
  }();
  return table;
}

// Upper/lower pairs of the 1251 letters outside A..Z and 0xC0..0xFF.
constexpr uint8_t kCasePairs[][2] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
};

struct CaseTables {
  uint8_t upper[256];
  uint8_t lower[256];
  int weight[256];  // collation weight, equal exactly for case pairs
};

const CaseTables& Tables() {
  static const CaseTables tables = [] {
    CaseTables t{};
    for (int i = 0; i < 256; ++i) t.upper[i] = t.lower[i] = static_cast<uint8_t>(i);
    for (int c = 'a'; c <= 'z'; ++c) {
      t.upper[c] = static_cast<uint8_t>(c - 32);
      t.lower[c - 32] = static_cast<uint8_t>(c);
    }
    for (int c = 0xE0; c <= 0xFF; ++c) {
      t.upper[c] = static_cast<uint8_t>(c - 32);
      t.lower[c - 32] = static_cast<uint8_t>(c);
    }
    for (const auto& p : kCasePairs) {
      t.upper[p[1]] = p[0];
      t.lower[p[0]] = p[1];
    }
    // Symbols keep their byte order, below digits, Latin, then Cyrillic.
    for (int i = 0; i < 256; ++i) t.weight[i] = i;
    for (int c = '0'; c <= '9'; ++c) t.weight[c] = 1000 + (c - '0');
    for (int c = 'A'; c <= 'Z'; ++c) t.weight[c] = t.weight[c + 32] = 2000 + (c - 'A');
    // Capitals of the Cyrillic alphabet of the code page, in alphabetical order.
    static const uint8_t kCyrillic[] = {
        0xC0, 0xC1, 0xC2, 0xC3, 0xA5, 0xC4, 0x80, 0x81, 0xC5, 0xA8, 0xAA, 0xC6,
        0xC7, 0xBD, 0xC8, 0xB2, 0xAF, 0xC9, 0xA3, 0xCA, 0xCB, 0x8A, 0xCC, 0xCD,
        0x8C, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0x8E, 0x8D, 0xD3, 0xA1, 0xD4, 0xD5,
        0xD6, 0xD7, 0x8F, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF};
    int n = 0;
    for (uint8_t c : kCyrillic) {
      t.weight[c] = t.weight[t.lower[c]] = 3000 + n;
      ++n;
    }
    return t;
  }();
  return tables;
}

inline uint8_t U8(char c) { return static_cast<uint8_t>(c); }

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

namespace brsm {

wchar_t CharToUtf16(char c) {
  const uint8_t b = U8(c);
  return static_cast<wchar_t>(b < 0x80 ? b : kHigh[b - 0x80]);
}

std::wstring ToUtf16(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  for (size_t i = 0; i < text.size(); ++i) out[i] = CharToUtf16(text[i]);
  return out;
}

char CharFromUtf16(wchar_t c) {
  const uint32_t cp = static_cast<uint32_t>(c);
  if (cp == 0) return '\0';
  if (cp > 0xFFFF) return '?';
  const uint8_t b = ReverseTable()[cp];
  return b == 0 ? '?' : static_cast<char>(b);
}

std::string FromUtf16(const wchar_t* text, int length) {
  std::string out;
  if (!text) return out;
  const size_t n = length < 0 ? std::wcslen(text) : static_cast<size_t>(length);
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const uint32_t cp = static_cast<uint32_t>(text[i]);
    // A high surrogate followed by a low one is a single character.
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n) {
      const uint32_t next = static_cast<uint32_t>(text[i + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) ++i;
    }
    out += CharFromUtf16(text[i]);
  }
  return out;
}

std::string FromUtf16(const std::wstring& text) {
  return FromUtf16(text.data(), static_cast<int>(text.size()));
}

std::string ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) AppendUtf8(out, static_cast<uint32_t>(CharToUtf16(c)));
  return out;
}

std::string FromUtf8(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  while (i < n) {
    const uint8_t b = U8(utf8[i]);
    int extra;
    uint32_t cp;
    if (b < 0x80) { out += static_cast<char>(b); ++i; continue; }
    if (b >= 0xC2 && b <= 0xDF) { extra = 1; cp = b & 0x1F; }
    else if (b >= 0xE0 && b <= 0xEF) { extra = 2; cp = b & 0x0F; }
    else if (b >= 0xF0 && b <= 0xF4) { extra = 3; cp = b & 0x07; }
    else { out += '?'; ++i; continue; }
    size_t j = 1;
    for (; j <= static_cast<size_t>(extra) && i + j < n; ++j) {
      const uint8_t cb = U8(utf8[i + j]);
      if ((cb & 0xC0) != 0x80) break;
      cp = (cp << 6) | (cb & 0x3F);
    }
    if (j != static_cast<size_t>(extra) + 1) {  // cut short: one '?' for what was read
      out += '?';
      i += j;
      continue;
    }
    i += j;
    out += cp > 0xFFFF ? '?' : CharFromUtf16(static_cast<wchar_t>(cp));
  }
  return out;
}

}  // namespace brsm

char UpCase(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string UpperCase(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = UpCase(c);
  return r;
}

std::string LowerCase(const std::string& s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

int CompareStr(const std::string& a, const std::string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return U8(a[i]) < U8(b[i]) ? -1 : 1;
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareText(const std::string& a, const std::string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const uint8_t x = U8(UpCase(a[i])), y = U8(UpCase(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

char AnsiUpCase(char c) { return static_cast<char>(Tables().upper[U8(c)]); }
char AnsiLowCase(char c) { return static_cast<char>(Tables().lower[U8(c)]); }

std::string AnsiUpperCase(const std::string& s) {
  const auto& t = Tables();
  std::string r(s);
  for (char& c : r) c = static_cast<char>(t.upper[U8(c)]);
  return r;
}

std::string AnsiLowerCase(const std::string& s) {
  const auto& t = Tables();
  std::string r(s);
  for (char& c : r) c = static_cast<char>(t.lower[U8(c)]);
  return r;
}

int AnsiCompareText(const std::string& a, const std::string& b) {
  const auto& t = Tables();
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const int x = t.weight[U8(a[i])], y = t.weight[U8(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int AnsiCompareStr(const std::string& a, const std::string& b) {
  const int byText = AnsiCompareText(a, b);
  if (byText != 0) return byText;
  const auto& t = Tables();
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    // Same letter in another case: the lower-case one sorts first.
    return t.lower[U8(a[i])] == U8(a[i]) ? -1 : 1;
  }
  return 0;
}

bool AnsiSameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && AnsiCompareText(a, b) == 0;
}
