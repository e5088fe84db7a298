// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hot loops get an AVX2 clone chosen at load time; the default clone keeps the
// binary running on any x86-64. Sanitizer builds use the plain loops, since the
// clone resolvers run before the sanitizers start.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(__SANITIZE_THREAD__)
#define VORLANE_WIDE __attribute__((target_clones("avx2", "default")))
#else
#define VORLANE_WIDE
#endif
