// The compile-time table of IZTQD_Srv's methods, expanded from the interface description
// (platform/idl/method_table.h): MethodOf<N> is method number N, with its name, its member
// function and its parameters' behaviours. The proxy and the stub are generated from it; tests
// walk it to reach every method.
#pragma once

#include "platform/idl/method_table.h"
#include "server/idl/guids.h"
#include "server/idl/iztqd_srv.h"

#include <cstdint>

KELVO_IDL_METHOD_TABLE(IZTQD_Srv, IID_IZTQD_Srv, KELVO_IZTQD_SRV_METHODS)

namespace server::idl {

template <std::uint32_t N>
using MethodOf = IZTQD_SrvMethods::Method<N>;

inline constexpr std::uint32_t kMethodCount = IZTQD_SrvMethods::kCount;
static_assert(kMethodCount == 33);

}  // namespace server::idl
