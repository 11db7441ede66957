#pragma once

// Compiles the functions between SORVANE_TARGET_PUSH("features") and
// SORVANE_TARGET_POP for a processor with those features (the compiler's
// own names, e.g. "avx2" or "avx512f,avx512dq"), under GCC and clang alike:
// GCC takes its target pragma, clang ignores that and takes the attribute
// pushed onto every function declared in between. A vector path's file puts
// its headers of shared code inside; the standard headers and the
// intrinsics go before, so that no standard inline function is compiled
// for a processor the program may not run on.

#define SORVANE_PRAGMA(text) _Pragma(#text)

#if defined(__clang__)
#define SORVANE_TARGET_PUSH(features) \
  SORVANE_PRAGMA(clang attribute push(__attribute__((target(features))), apply_to = function))
#define SORVANE_TARGET_POP SORVANE_PRAGMA(clang attribute pop)
#elif defined(__GNUC__)
#define SORVANE_TARGET_PUSH(features) \
  SORVANE_PRAGMA(GCC push_options) SORVANE_PRAGMA(GCC target(features))
#define SORVANE_TARGET_POP SORVANE_PRAGMA(GCC pop_options)
#else
#error "the vector paths need GCC's or clang's target attributes"
#endif
