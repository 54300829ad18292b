// A small DLL with exports of both calling conventions, for the tests of
// calling library functions through a call descriptor.
#include <cctype>
#include <cstdint>

#define PROBE_EXPORT extern "C" __declspec(dllexport)

// stdcall: the callee removes its 12 bytes of arguments.
PROBE_EXPORT std::int32_t __stdcall ProbeScaleInto(std::int32_t value, std::int32_t factor, std::int32_t* out) {
  if (out) *out = *out + value * factor;
  return value * factor;
}

// cdecl with a double in the middle and a 16-bit value at the end.
PROBE_EXPORT std::int32_t __cdecl ProbeMix(std::int32_t a, double b, std::int32_t flag, short c) {
  return a + static_cast<std::int32_t>(b * 10) + (flag ? 1000 : 0) + c;
}

// Upper-cases the string in place and returns it.
PROBE_EXPORT char* __stdcall ProbeUpper(char* text) {
  for (char* p = text; p && *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  return text;
}

PROBE_EXPORT const char* __stdcall ProbeNullText() { return nullptr; }

PROBE_EXPORT const double* __stdcall ProbeHalf(double value) {
  static double half;
  half = value / 2;
  return &half;
}

// Seventeen arguments, the last a pointer past the first fifteen positions.
PROBE_EXPORT void __cdecl ProbeSumInto(std::int32_t a1, std::int32_t a2, std::int32_t a3, std::int32_t a4,
                                       std::int32_t a5, std::int32_t a6, std::int32_t a7, std::int32_t a8,
                                       std::int32_t a9, std::int32_t a10, std::int32_t a11, std::int32_t a12,
                                       std::int32_t a13, std::int32_t a14, std::int32_t a15, std::int32_t a16,
                                       std::int32_t* sum) {
  *sum = a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 + a9 + a10 + a11 + a12 + a13 + a14 + a15 + a16;
}

// Doubles past the fourth position travel on the stack in every convention.
PROBE_EXPORT std::int32_t __stdcall ProbeLateDoubles(std::int32_t a, double b, std::int32_t c, std::int32_t d,
                                                     double e, std::int32_t f, double g) {
  return a + static_cast<std::int32_t>(b * 10) + c + d + static_cast<std::int32_t>(e * 100) + f +
         static_cast<std::int32_t>(g * 1000);
}
