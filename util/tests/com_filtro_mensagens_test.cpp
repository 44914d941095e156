// Each thread has its own message filter, and installing again replaces the thread's filter.
#include "util/com/zt_filtro_mensagens.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// A second install gives the thread a new filter; an install that kept the first would leave
// the earlier one in place.
TEST(ZTInstalaFiltroMensagens, ReplacesTheThreadsEarlierFilter) {
    std::thread([] {
        EXPECT_EQ(ZTGetFiltroMensagens(), nullptr);
        ZTInstalaFiltroMensagens();
        const CZTFiltroMensagensOle* primeiro = ZTGetFiltroMensagens();
        ASSERT_NE(primeiro, nullptr);
        ZTInstalaFiltroMensagens();
        EXPECT_NE(ZTGetFiltroMensagens(), nullptr);
        EXPECT_NE(ZTGetFiltroMensagens(), primeiro);
    }).join();
}

// A filter belongs to the thread that installed it: another thread starts without one and its
// install leaves the first thread's filter as it was.
TEST(ZTInstalaFiltroMensagens, EachThreadHasItsOwnFilter) {
    ZTInstalaFiltroMensagens();
    const CZTFiltroMensagensOle* daPrincipal = ZTGetFiltroMensagens();
    const CZTFiltroMensagensOle* daOutra = nullptr;
    std::thread([&] {
        EXPECT_EQ(ZTGetFiltroMensagens(), nullptr);
        ZTInstalaFiltroMensagens();
        daOutra = ZTGetFiltroMensagens();
        EXPECT_EQ(daOutra->OnBusyDialog(), 0);  // our calls show no busy dialog
    }).join();
    EXPECT_NE(daOutra, nullptr);
    EXPECT_NE(daOutra, daPrincipal);
    EXPECT_EQ(ZTGetFiltroMensagens(), daPrincipal);
}

}  // namespace
