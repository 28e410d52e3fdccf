#include "platform/rtl/sysutils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

void Abort() { throw EAbort("Operation aborted"); }

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseInt(const std::string& s, int& value) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < n && s[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t acc = 0;
  if (hex) {
    for (; i < n; ++i) {
      const int d = HexDigit(s[i]);
      if (d < 0) return false;
      acc = acc * 16 + static_cast<uint64_t>(d);
      if (acc > 0xFFFFFFFFull) return false;
    }
    uint32_t bits = static_cast<uint32_t>(acc);
    if (negative) bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
  }
  for (; i < n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    acc = acc * 10 + static_cast<uint64_t>(s[i] - '0');
    if (acc > 0x80000000ull) return false;
  }
  if (!negative && acc > 0x7FFFFFFFull) return false;
  value = negative ? static_cast<int>(-static_cast<int64_t>(acc)) : static_cast<int>(acc);
  return true;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Power of ten of the first significant digit of plain decimal text
// ("123e4" -> 6, "0.001" -> -3).
long DecimalMagnitude(const std::string& text) {
  const size_t ePos = text.find_first_of("eE");
  const std::string mantissa = text.substr(0, ePos);
  long exponent = 0;
  if (ePos != std::string::npos) {
    const std::string e = text.substr(ePos + 1);
    // Clamp: only the sign and rough size matter here.
    exponent = e.size() > 8 ? (e[0] == '-' ? -100000000L : 100000000L) : std::atol(e.c_str());
  }
  const size_t dot = mantissa.find('.');
  const std::string whole = mantissa.substr(0, dot);
  const size_t firstWhole = whole.find_first_not_of('0');
  if (firstWhole != std::string::npos) return static_cast<long>(whole.size() - firstWhole) - 1 + exponent;
  const std::string fraction = dot == std::string::npos ? std::string() : mantissa.substr(dot + 1);
  const size_t firstFraction = fraction.find_first_not_of('0');
  return -static_cast<long>(firstFraction == std::string::npos ? 0 : firstFraction) - 1 + exponent;
}

// The grammar is checked here so that from_chars sees only plain decimal text
// (it would also take "inf", "nan" and hexadecimal floats).
bool ParseFloat(const std::string& s, double& value) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  size_t i = b;
  if (i < e && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < e && s[i] >= '0' && s[i] <= '9') { ++i; ++digits; }
  if (i < e && s[i] == '.') {
    ++i;
    while (i < e && s[i] >= '0' && s[i] <= '9') { ++i; ++digits; }
  }
  if (digits == 0) return false;
  if (i < e && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < e && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < e && s[i] >= '0' && s[i] <= '9') { ++i; ++expDigits; }
    if (expDigits == 0) return false;
  }
  if (i != e) return false;
  // from_chars takes no '+' sign.
  std::string text = s.substr(b, e - b);
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.erase(0, 1);
  }
  double v = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large is an error; too small reads as 0.
    if (DecimalMagnitude(text) > 0) return false;
    v = 0;
  } else if (r.ec != std::errc() || r.ptr != text.data() + text.size()) {
    return false;
  }
  value = negative ? -v : v;
  return true;
}

template <class T>
T ClampedFromDouble(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  if (v <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  return static_cast<T>(v);
}

double RoundHalfEven(double v) {
  const double f = std::floor(v);
  const double diff = v - f;
  if (diff > 0.5) return f + 1;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

}  // namespace

bool TryStrToInt(const std::string& s, int& value) { return ParseInt(s, value); }

int StrToInt(const std::string& s) {
  int v = 0;
  if (!ParseInt(s, v)) throw EConvertError("'" + s + "' is not a valid integer value");
  return v;
}

int StrToIntDef(const std::string& s, int defaultValue) {
  int v = 0;
  return ParseInt(s, v) ? v : defaultValue;
}

bool TryStrToFloat(const std::string& s, double& value) { return ParseFloat(s, value); }

double StrToFloat(const std::string& s) {
  double v = 0;
  if (!ParseFloat(s, v)) throw EConvertError("'" + s + "' is not a valid floating point value");
  return v;
}

double StrToFloatDef(const std::string& s, double defaultValue) {
  double v = 0;
  return ParseFloat(s, v) ? v : defaultValue;
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // 15 significant digits in scientific form: d.dddddddddddddde[+-]x
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string sci(buf, r.ptr);
  const size_t ePos = sci.find('e');
  int exponent = std::atoi(sci.c_str() + ePos + 1);
  std::string mantissa = sci.substr(0, ePos);
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digits;
  for (char c : mantissa)
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
    return out;
  }
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const size_t intDigits = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= intDigits) {
    out += digits;
    out.append(intDigits - digits.size(), '0');
  } else {
    out += digits.substr(0, intDigits);
    out += '.';
    out += digits.substr(intDigits);
  }
  return out;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(int value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(static_cast<uint32_t>(value)));
  std::string s(buf);
  if (digits > static_cast<int>(s.size())) s.insert(0, static_cast<size_t>(digits) - s.size(), '0');
  return s;
}

int Round(double value) { return ClampedFromDouble<int>(RoundHalfEven(value)); }
int64_t Round64(double value) { return ClampedFromDouble<int64_t>(RoundHalfEven(value)); }
int Trunc(double value) { return ClampedFromDouble<int>(std::trunc(value)); }

#ifndef _WIN32
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  int64_t q = product / c;
  const int64_t r = product % c;
  // Half away from zero: compare twice the remainder with the divisor.
  const int64_t absR2 = (r < 0 ? -r : r) * 2;
  const int64_t absC = c < 0 ? -static_cast<int64_t>(c) : c;
  if (absR2 >= absC) q += ((product < 0) != (c < 0)) ? -1 : 1;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}
#endif

std::string TrimLeft(const std::string& s) {
  size_t b = 0;
  while (b < s.size() && IsBlank(s[b])) ++b;
  return s.substr(b);
}

std::string TrimRight(const std::string& s) {
  size_t e = s.size();
  while (e > 0 && IsBlank(s[e - 1])) --e;
  return s.substr(0, e);
}

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }
