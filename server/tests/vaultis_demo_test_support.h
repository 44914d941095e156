// The start of every GoogleTest case that drives the real Vaultis process on the demo company
// (vaultis_demo_preparo.h): a failed step ends the test.
//
// For test targets that define KELVO_VAULTIS (the server program's path). Call through
// ASSERT_NO_FATAL_FAILURE.
#pragma once

#include "server/tests/vaultis_demo_preparo.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvo::testing {

// Prepares the demo company in `ambiente` and registers Vaultis; `programaModulos`, when given, is
// registered as the other modules' stand-in server.
inline void PreparaVaultisDemo(const TestEnvironment& ambiente, const std::string& programaModulos = {}) {
    ASSERT_EQ(PreparaVaultisDemoOuFalha(ambiente, programaModulos), "");
}

}  // namespace kelvo::testing
