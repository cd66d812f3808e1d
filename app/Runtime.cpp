// The C++ runtime's error exits, as Brelix.exe has them.
//
// What it replaces: every function of the static libstdc++'s functexcept.o
// (the std::__throw_* family), std::__throw_bad_function_call and
// __gnu_cxx::__verbose_terminate_handler. The library's own pull in the
// standard exception classes with their strings, a printf and a name
// demangler, some 150 KB for texts nobody reads. Here each failure throws one
// small exception whose detail names the library function and carries its
// values; the application's error handler shows it like any other unexpected
// failure.
//
// Why a clash cannot pass unnoticed: the linker takes an archive member only
// for a symbol still undefined, and then takes all of it. Should any part of
// the program need a function of those members that is not defined here, the
// member comes in with its copies of these functions too, and the link stops
// on a multiple definition.
//
// Linked into the program and into the test program of these exits only.

#include <cxxabi.h>

#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>

#include "Application.h"

namespace {

// A failure inside the standard library, with its detail formatted in place:
// throwing it needs no memory but the exception's own.
class ELibraryError : public std::exception {
 public:
  ELibraryError(const char* format, va_list args) noexcept;
  explicit ELibraryError(const char* text) noexcept;
  const char* what() const noexcept override { return FText; }

 private:
  void Put(char c) noexcept {
    if (FLength + 1 < sizeof FText) FText[FLength++] = c;
  }
  void Put(const char* text) noexcept {
    for (; text && *text; ++text) Put(*text);
  }
  void PutNumber(unsigned long long value, bool negative) noexcept;

  char FText[192]{};
  std::size_t FLength = 0;
};

ELibraryError::ELibraryError(const char* text) noexcept { Put(text ? text : "standard library error"); }

void ELibraryError::PutNumber(unsigned long long value, bool negative) noexcept {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  if (negative) Put('-');
  while (n > 0) Put(digits[--n]);
}

// The library's formats use %s, %zu, %lu, %u, %d and %%; anything else is
// copied as it stands.
ELibraryError::ELibraryError(const char* format, va_list args) noexcept {
  if (!format) format = "standard library error";
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      Put(*p);
      continue;
    }
    const char* start = p++;
    const bool size = *p == 'z', wide = *p == 'l';
    if (size || wide) ++p;
    if (*p == 's' && !size && !wide) {
      Put(va_arg(args, const char*));
    } else if (*p == 'u') {
      PutNumber(size ? va_arg(args, std::size_t) : wide ? va_arg(args, unsigned long) : va_arg(args, unsigned), false);
    } else if (*p == 'd' && !size) {
      const long long value = wide ? va_arg(args, long) : va_arg(args, int);
      PutNumber(value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value),
                value < 0);
    } else if (*p == '%' && p == start + 1) {
      Put('%');
    } else {
      for (const char* q = start; q <= p && *q; ++q) Put(*q);
      if (!*p) break;
    }
  }
}

[[noreturn]] void Fail(const char* what) { throw ELibraryError(what); }

}  // namespace

namespace __gnu_cxx {
// The terminate handler: an exception escaped every handler, or a callback
// of Windows, declared never to throw, threw. The player is told in French
// and the program ends with its fatal exit code.
void __verbose_terminate_handler() {
  const char* detail = "terminate called without an active exception";
  if (abi::__cxa_current_exception_type()) {
    try {
      throw;
    } catch (const std::exception& e) {
      detail = e.what();
    } catch (...) {
      detail = "terminate called after an exception of an unknown type";
    }
  }
  EndAfterFatalError(detail);
}
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_cast() { Fail("std::__throw_bad_cast: bad cast"); }
[[noreturn]] void __throw_bad_typeid() { Fail("std::__throw_bad_typeid: typeid of a null pointer"); }
[[noreturn]] void __throw_bad_exception() { Fail("std::__throw_bad_exception: bad exception"); }
[[noreturn]] void __throw_bad_function_call() { Fail("std::function::operator(): the function is empty"); }
[[noreturn]] void __throw_logic_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_domain_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_invalid_argument(const char* what) { Fail(what); }
[[noreturn]] void __throw_length_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_out_of_range(const char* what) { Fail(what); }
[[noreturn]] void __throw_out_of_range_fmt(const char* format, ...) {
  va_list args;
  va_start(args, format);
  ELibraryError error(format, args);
  va_end(args);
  throw error;
}
[[noreturn]] void __throw_runtime_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_range_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_overflow_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_underflow_error(const char* what) { Fail(what); }
}  // namespace std
