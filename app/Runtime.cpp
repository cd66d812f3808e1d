// The C++ runtime's error exits, as Brelix.exe has them. The library's own
// pull in the standard exception classes with their strings, a printf and a
// name demangler (some 150 KB) for messages nobody reads: here each throws
// one small exception instead, which the application's error handler shows
// like any other unexpected failure, and an exception that escapes
// everything ends the program at once. Linked into the program only.

#include <cstdlib>
#include <exception>
#include <new>

namespace {

// A failure inside the standard library: the name of what failed.
class ELibraryError : public std::exception {
 public:
  explicit ELibraryError(const char* what) noexcept : FWhat(what) {}
  const char* what() const noexcept override { return FWhat; }

 private:
  const char* FWhat;
};

[[noreturn]] void Fail(const char* what) { throw ELibraryError(what ? what : "standard library error"); }

}  // namespace

namespace __gnu_cxx {
// The terminate handler: nothing to print to, nobody to read it.
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
[[noreturn]] void __throw_bad_alloc() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw bad_alloc(); }
[[noreturn]] void __throw_bad_cast() { Fail("bad cast"); }
[[noreturn]] void __throw_bad_typeid() { Fail("bad typeid"); }
[[noreturn]] void __throw_bad_exception() { Fail("bad exception"); }
[[noreturn]] void __throw_bad_function_call() { Fail("empty function called"); }
[[noreturn]] void __throw_logic_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_domain_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_invalid_argument(const char* what) { Fail(what); }
[[noreturn]] void __throw_length_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_out_of_range(const char* what) { Fail(what); }
[[noreturn]] void __throw_out_of_range_fmt(const char* what, ...) { Fail(what); }
[[noreturn]] void __throw_runtime_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_range_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_overflow_error(const char* what) { Fail(what); }
[[noreturn]] void __throw_underflow_error(const char* what) { Fail(what); }
}  // namespace std
