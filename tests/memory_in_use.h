// SPDX-License-Identifier: MIT
#pragma once

// The bytes the process's allocator has handed out and not had back.

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // AddressSanitizer's own allocator
#else
#include <malloc.h>
#endif

namespace testing {

inline std::ptrdiff_t bytesInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<std::ptrdiff_t>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<std::ptrdiff_t>(mallinfo2().uordblks);
#endif
}

} // namespace testing
