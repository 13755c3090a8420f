#pragma once

// Hints for the canvas's hot paths, for the compilers that take them; elsewhere they are empty
// and change the speed, never the result.
//
//   PELMORA_FORCE_INLINE   inline wherever called, even where the compiler would rather not
//   PELMORA_NOINLINE       never inline: keeps a slow path out of the fast ones around it
//   PELMORA_ALIGN_CODE(n)  start the function's code on an n-byte boundary
#if defined(__GNUC__)  // GCC and Clang
#define PELMORA_FORCE_INLINE [[gnu::always_inline]]
#define PELMORA_NOINLINE [[gnu::noinline]]
#define PELMORA_ALIGN_CODE(bytes) [[gnu::aligned(bytes)]]
#elif defined(_MSC_VER)
#define PELMORA_FORCE_INLINE __forceinline
#define PELMORA_NOINLINE __declspec(noinline)
#define PELMORA_ALIGN_CODE(bytes)
#else
#define PELMORA_FORCE_INLINE
#define PELMORA_NOINLINE
#define PELMORA_ALIGN_CODE(bytes)
#endif
