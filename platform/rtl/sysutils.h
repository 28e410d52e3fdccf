// Exceptions of the class library and the number/text conversions.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

// Root of every error the library raises. Message is 1251 text.
class Exception : public std::exception {
 public:
  Exception() = default;
  explicit Exception(std::string message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }

  std::string Message;
};

// Raised to end an action silently; the application's handler shows nothing.
class EAbort : public Exception { using Exception::Exception; };
class EConvertError : public Exception { using Exception::Exception; };
class EListError : public Exception { using Exception::Exception; };
class EOutOfMemory : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
class EInvalidGraphic : public Exception { using Exception::Exception; };
class EInvalidGraphicOperation : public Exception { using Exception::Exception; };
class EComponentError : public Exception { using Exception::Exception; };

class EStreamError : public Exception { using Exception::Exception; };
class EFilerError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EFilerError { using EFilerError::EFilerError; };
class EWriteError : public EFilerError { using EFilerError::EFilerError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };
class EFOpenError : public EStreamError { using EStreamError::EStreamError; };

// An operating-system call failed; ErrorCode is the system's error number.
class EOSError : public Exception {
 public:
  EOSError(std::string message, unsigned errorCode)
      : Exception(std::move(message)), ErrorCode(errorCode) {}
  unsigned ErrorCode = 0;
};

// Raises EAbort.
[[noreturn]] void Abort();

// Integers: optional leading blanks, an optional sign, then decimal digits or
// "$"/"0x"/"0X" and hexadecimal digits; nothing may follow (not even a blank).
// Hexadecimal texts take the full 32 bits ("$FFFFFFFF" is -1); decimal texts
// out of the int range are invalid. StrToInt raises EConvertError
// "'<text>' is not a valid integer value".
int StrToInt(const std::string& s);
int StrToIntDef(const std::string& s, int defaultValue);
bool TryStrToInt(const std::string& s, int& value);

// Floating-point text with "." as the decimal separator whatever the user's
// settings: blanks around, sign, digits, fraction, exponent. StrToFloat raises
// EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& s);
double StrToFloatDef(const std::string& s, double defaultValue);
bool TryStrToFloat(const std::string& s, double& value);

// 15 significant digits, trailing zeros dropped, "." as separator; scientific
// ("1E-5", "1.5E-7", "1E15") below 0.0001 and from 1E15 up.
std::string FloatToStr(double value);

std::string IntToStr(int64_t value);
// Upper-case hexadecimal of the 32-bit pattern, at least `digits` digits.
std::string IntToHex(int value, int digits);

// Halves go to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), as the
// processor rounds. Values beyond the int range are clamped, NaN gives 0.
int Round(double value);
int64_t Round64(double value);
int Trunc(double value);  // towards zero, clamped like Round

// a * b / c on a 64-bit intermediate, rounded half away from zero; -1 when c
// is 0 or the result does not fit in an int. On Windows this is the system's
// own MulDiv (declared as windows.h declares it, so both may be included);
// natively ours.
#ifdef _WIN32
extern "C" __declspec(dllimport) int __stdcall MulDiv(int a, int b, int c);
#else
int MulDiv(int a, int b, int c);
#endif

// Blanks and control characters (bytes up to 32) removed from the ends.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
