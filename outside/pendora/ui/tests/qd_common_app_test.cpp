// The module's application start-up: the profile under the suite's key and the program's title,
// and the message filter of the thread that starts it.
#include "outside/pendora/ui/qd_common_app.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/com/zt_filtro_mensagens.h"
#include "util/config/registry_functions.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// The profile goes under "Software\Quorvel\<title>" (a program keeping it under its file's name or
// another key would lose its placement and options), and the starting thread gets its filter.
TEST(CQDCommonApp, InitInstanceKeepsTheProfileUnderTheSuiteAndInstallsTheFilter) {
    kelvo::testing::TestEnvironment ambiente;
    CQDCommonApp app;
    app.SetTitulo("Typor");
    // A thread of its own, so that no earlier start-up of this process left a filter on it.
    bool filtroAntes = true;
    bool filtroDepois = false;
    platform::BOOL iniciou = platform::FALSE;
    std::thread([&] {
        filtroAntes = ZTGetFiltroMensagens() != nullptr;
        iniciou = app.InitInstance();
        filtroDepois = ZTGetFiltroMensagens() != nullptr;
    }).join();
    EXPECT_EQ(iniciou, platform::TRUE);
    EXPECT_FALSE(filtroAntes);
    EXPECT_TRUE(filtroDepois);

    ASSERT_NE(app.m_pszProfileName, nullptr);
    EXPECT_STREQ(app.m_pszProfileName, "Typor");
    ASSERT_TRUE(app.WriteProfileString("Janela", "Estado", "2"));
    EXPECT_EQ(ZTLeStringRegistry(platform::HKEY_CURRENT_USER, "Software\\Quorvel\\Typor\\Janela", "Estado"), "2");
    EXPECT_EQ(app.GetProfileString("Janela", "Estado"), "2");
}

}  // namespace
