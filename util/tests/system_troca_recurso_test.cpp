#include "platform/system/library.h"
#include "platform/system/resource_module.h"
#include "util/system/zt_troca_recurso.h"

#include <gtest/gtest.h>

namespace {

// A library the build puts beside the utility tests (the stand-in import library).
constexpr const char* kLibrary = "Imporix.dll";

class ResourceSwitch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(library_.Load(kLibrary), platform::ERROR_SUCCESS); }
    void TearDown() override { (void)platform::SetResourceModule(platform::GetModuleHandle(nullptr)); }

    platform::Library library_;
};

// Switching by name must reach the loaded library, and Restaura must bring the program back.
TEST_F(ResourceSwitch, ByNameSwitchesAndRestauraRestores) {
    const platform::HMODULE program = platform::ResourceModule();
    ASSERT_EQ(program, platform::GetModuleHandle(nullptr));
    CZTTrocaRecurso troca(kLibrary);
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
    troca.Restaura();
    EXPECT_EQ(platform::ResourceModule(), program);
}

// The switch outlives the object: only Restaura undoes it.
TEST_F(ResourceSwitch, DestructorDoesNotUndo) {
    { CZTTrocaRecurso troca(library_.Module()); }
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
}

// Nested switches restore in turn to what each one found.
TEST_F(ResourceSwitch, NestedSwitchesRestoreWhatEachFound) {
    const platform::HMODULE program = platform::ResourceModule();
    CZTTrocaRecurso paraBiblioteca(library_.Module());
    CZTTrocaRecurso paraPrograma(program);
    EXPECT_EQ(platform::ResourceModule(), program);
    paraPrograma.Restaura();
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
    paraBiblioteca.Restaura();
    EXPECT_EQ(platform::ResourceModule(), program);
}

// A module that is not loaded (or a null handle) must not leave resources coming from nowhere.
TEST_F(ResourceSwitch, UnloadedModuleOrNullHandleKeepsTheCurrentOne) {
    CZTTrocaRecurso atual(library_.Module());
    CZTTrocaRecurso naoCarregada("KelvoNaoCarregada.dll");
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
    CZTTrocaRecurso nula(static_cast<platform::HMODULE>(nullptr));
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
    naoCarregada.Restaura();
    EXPECT_EQ(platform::ResourceModule(), library_.Module());
}

}  // namespace
