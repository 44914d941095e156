// Shared helpers of the report tests: the demo company of the embedded default served by the real
// Vaultis process, a report request, and the written PDF read back with poppler's pdftotext and
// rendered with pdftoppm.
//
// Every helper expects a kelvo::testing::TestEnvironment to be alive. Texts handed in are
// Windows-1252 unless said otherwise; what pdftotext prints is UTF-8.
#pragma once

#include "outside/pendora/conexao_ged_srv.h"
#include "platform/text/codepage.h"
#include "platform/com/bstr.h"
#include "platform/system/process_spawn.h"
#include "platform/tests/support/pdf_reading.h"
#include "platform/tests/support/test_environment.h"
#include "programs/setup/embedded_default.h"
#include "programs/setup/message_file.h"
#include "server/tests/vaultis_demo_test_support.h"
#include "server/tests/locations_test_support.h"
#include "server/tests/process_test_support.h"
#include "server/tests/types_test_support.h"
#include "server/idl/records.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>

#include <filesystem>
#include <string>

namespace kelvo::testing {

// The name of the model the embedded default installs for every report.
inline constexpr char kModeloPadrao[] = "Padrao";

// A report request of kind `eTipo` (report code `componente`) with the default model, written to
// `arquivo`; the caller fills the filter fields. Owns its four texts.
class PedidoRelatorio {
public:
    PedidoRelatorio(QD_E_TIPO_RELATORIO eTipo, const char* componente, const std::string& arquivo,
                    const char* modelo = kModeloPadrao) {
        ps.bsModelo = platform::SysAllocStringFromAnsi(modelo);
        ps.bsArquivo = platform::SysAllocStringFromAnsi(arquivo);
        ps.bsRazaoSocial = platform::SysAllocStringFromAnsi("Empresa Demonstra\xE7\xE3o");
        ps.bsComponente = platform::SysAllocStringFromAnsi(componente);
        ps.cRelatorio = eTipo;
    }
    ~PedidoRelatorio() {
        platform::SysFreeString(ps.bsModelo);
        platform::SysFreeString(ps.bsArquivo);
        platform::SysFreeString(ps.bsRazaoSocial);
        platform::SysFreeString(ps.bsComponente);
    }
    PedidoRelatorio(const PedidoRelatorio&) = delete;
    PedidoRelatorio& operator=(const PedidoRelatorio&) = delete;

    QD_RELATORIO_PS ps{};
};

// How many times `trecho` occurs in `texto`.
inline int Ocorrencias(const std::string& texto, const std::string& trecho) {
    int n = 0;
    for (std::size_t p = texto.find(trecho); p != std::string::npos; p = texto.find(trecho, p + trecho.size())) ++n;
    return n;
}

// The demo company served by Vaultis, one session open on it, and a report file in the scratch
// folder; at the end every server process must have ended cleanly.
class RelatoriosVaultis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PreparaVaultisDemo(ambiente_));
        ASSERT_EQ(conexao_.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1), platform::S_OK);
    }
    void TearDown() override {
        conexao_.SetInterface(nullptr);
        EXPECT_EQ(EsperaServidores(), std::vector<int>{0});
    }

    std::uint32_t GravaTipo(const TipoTeste& tipo, std::uint32_t posicao = 0) {
        EXPECT_EQ(conexao_.GravaTipDoc(&posicao, Monta(tipo)), platform::S_OK);
        return posicao;
    }
    std::uint32_t GravaLocal(const char* codigo, const char* descricao) {
        std::uint32_t posicao = 0;
        EXPECT_EQ(conexao_.GravaLocArq(&posicao, NovoLocal(codigo, 0, 0, {}, descricao)), platform::S_OK);
        return posicao;
    }

    // Runs the request and reads the PDF back; the result of GeraRelatorio.
    platform::HRESULT Gera(PedidoRelatorio& pedido, PdfLido& pdf) {
        const platform::HRESULT hr = conexao_.GeraRelatorio(pedido.ps);
        if (platform::SUCCEEDED(hr)) pdf = LePdf(Arquivo(), ambiente_.Path("leitura"));
        return hr;
    }
    // Runs the request, S_OK expected, and reads the PDF back (empty when it failed).
    PdfLido GeraLido(PedidoRelatorio& pedido) {
        PdfLido pdf;
        EXPECT_EQ(Gera(pedido, pdf), platform::S_OK);
        return pdf;
    }
    std::string Arquivo() const { return ambiente_.Path("relatorio.pdf"); }

    TestEnvironment ambiente_;
    CSilentConexaoGedSrv conexao_;
};

// A Windows-1252 text as pdftotext prints it.
inline std::string Utf8(const std::string& ansi) { return platform::Utf8FromAnsi(ansi); }

}  // namespace kelvo::testing
