// Shared helpers of the stand-in servers' tests: a proxy joined to an object's stub without a
// socket, and a company whose base-module folder holds the stand-ins' data file.
#pragma once

#include "outside/modulos/zt_modulos_dados.h"
#include "outside/modulos/zt_modulos_interfaces.h"
#include "platform/com/proxy_stub.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace kelvo::testing {

// A channel that hands each call straight to a stub; it can also deliver a tampered request.
class CanalDireto : public platform::com::CallChannel {
public:
    explicit CanalDireto(std::unique_ptr<platform::com::CallTarget> alvo) : alvo_(std::move(alvo)) {}
    platform::HRESULT Call(std::uint32_t metodo, std::span<const std::byte> pedido, platform::com::Bytes& resposta) override {
        alvo_->Dispatch(metodo, pedido, resposta);
        return platform::S_OK;
    }

private:
    std::unique_ptr<platform::com::CallTarget> alvo_;
};

// A proxy of interface I (its proxy factory registered) over the stub of `objeto`; null on failure.
template <class I>
I* ProxyDireto(platform::IUnknown* objeto) {
    ZTRegistraInterfacesModulos();
    auto stub = platform::com::FindStubFactory(ZTClasseModulo<I>::kIid)(objeto);
    if (!stub) return nullptr;
    void* proxy = nullptr;
    if (platform::FAILED(platform::com::FindProxyFactory(ZTClasseModulo<I>::kIid)(
            std::make_unique<CanalDireto>(std::move(stub)), &proxy))) {
        return nullptr;
    }
    return static_cast<I*>(proxy);
}

// A company "MODEMP" whose base-module folder is "<scratch>/base/".
class EmpresaModulos {
public:
    static constexpr char kEmpresa[] = "MODEMP";

    EmpresaModulos() {
        std::filesystem::create_directories(Pasta());
        EXPECT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresa).GetString(),
                                        ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), (Pasta() + "/").c_str()),
                  0u);
    }
    [[nodiscard]] std::string Pasta() const { return ambiente_.Path("base"); }
    // Writes the stand-ins' data file.
    void Dados(const std::string& texto) const { WriteFile(Pasta() + "/" + ZT_ARQUIVO_DADOS_MODULOS, texto); }

private:
    TestEnvironment ambiente_;
};

}  // namespace kelvo::testing
