// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Debian's emscripten ships a C++ library from before std::bit_cast, which
// the step kernels use to pack signs; clang's builtin does the same. Given to
// the browser build's compiler with -include, never to the desktop's.

#include <bit>
#include <type_traits>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
    requires(sizeof(To) == sizeof(From) && is_trivially_copyable_v<To> && is_trivially_copyable_v<From>)
constexpr To bit_cast(const From& from) noexcept
{
    return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
