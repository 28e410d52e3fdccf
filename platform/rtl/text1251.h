// Text is std::string holding code page 1251 bytes. These are the only
// conversions to and from other encodings: a fixed table of our own, so the
// result never depends on the system's ANSI code page or locale.
#pragma once

#include <string>

namespace brsm {

// UTF-16 code units in a wstring (wchar_t is 16 bits on Windows; natively the
// wider wchar_t holds the same code units). Byte 0x98, unassigned in 1251,
// becomes U+FFFD.
std::wstring ToUtf16(const std::string& text);
wchar_t CharToUtf16(char c);

// Characters without a 1251 byte (and lone surrogates, and U+FFFD) become '?'.
// A surrogate pair becomes one '?'.
std::string FromUtf16(const std::wstring& text);
std::string FromUtf16(const wchar_t* text, int length = -1);  // -1: up to NUL
char CharFromUtf16(wchar_t c);

// UTF-8, used for native file names. Invalid UTF-8 sequences become '?'.
std::string ToUtf8(const std::string& text);
std::string FromUtf8(const std::string& utf8);

}  // namespace brsm

// ASCII-only case mapping, as the platform's UpperCase/LowerCase/CompareText.
char UpCase(char c);
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
int CompareStr(const std::string& a, const std::string& b);   // byte order
int CompareText(const std::string& a, const std::string& b);  // ASCII case ignored
bool SameText(const std::string& a, const std::string& b);

// Case mapping of the whole 1251 repertoire (Cyrillic included).
char AnsiUpCase(char c);
char AnsiLowCase(char c);
std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);

// Alphabetic order of 1251 text: symbols, then digits, then Latin letters,
// then Cyrillic letters (Ё right after Е). AnsiCompareText ignores case and
// answers 0 exactly when AnsiUpperCase of both is equal; AnsiCompareStr
// orders a lower-case letter before its capital. Results are <0, 0, >0.
int AnsiCompareText(const std::string& a, const std::string& b);
int AnsiCompareStr(const std::string& a, const std::string& b);
bool AnsiSameText(const std::string& a, const std::string& b);
