// Whether this build runs under AddressSanitizer, for tests whose cost or measure it changes: it
// keeps freed blocks in quarantine, adds shadow memory, and makes every byte touched cost several
// times as much.
#pragma once

namespace kelvo::testing {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kComAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kComAddressSanitizer = true;
#else
inline constexpr bool kComAddressSanitizer = false;
#endif
#else
inline constexpr bool kComAddressSanitizer = false;
#endif

}  // namespace kelvo::testing
