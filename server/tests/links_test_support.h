// Shared helpers of the link tests: the other modules' stand-in servers served inside the test
// process, their data for the test company, and the live links as stored.
#pragma once

#include "outside/modulos/zt_modulos_dados.h"
#include "outside/modulos/zt_modulos_servidores.h"
#include "server/links/qd_adiciona_vinculo.h"
#include "server/tests/document_test_support.h"
#include "util/date/day_number.h"
#include "util/key/zt_chave_mes_ano.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace kelvo::testing {

// The stand-in classes registered in this process while the object lives: activation finds them
// here and never starts their program.
class ModulosNoProcesso {
public:
    ModulosNoProcesso() {
        ZTRegistraInterfacesModulos();
        EXPECT_EQ(ZTRegistraClassesModulos(cookies_), platform::S_OK);
    }
    ~ModulosNoProcesso() { ZTRevogaClassesModulos(cookies_); }
    ModulosNoProcesso(const ModulosNoProcesso&) = delete;
    ModulosNoProcesso& operator=(const ModulosNoProcesso&) = delete;

private:
    std::vector<platform::DWORD> cookies_;
};

// Gives `empresa` (the test company) a base-module folder holding the stand-ins' data `texto`.
inline void DadosModulos(const EmpresaTeste& empresa, const std::string& texto) {
    const std::string pasta = empresa.Ambiente().Path("base");
    std::filesystem::create_directories(pasta);
    EXPECT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresaTeste).GetString(),
                                    ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), (pasta + "/").c_str()),
              0u);
    WriteFile(pasta + "/" + ZT_ARQUIVO_DADOS_MODULOS, texto);
}

// A link as the tests compare it: document, process, key.
using Vinculo3 = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;

// The live links of a QDVINDOC.DAT's bytes, in file order.
inline std::vector<Vinculo3> VinculosVivos(const std::string& bytes) {
    std::vector<Vinculo3> vivos;
    for (std::size_t offset = 16; offset + 16 <= bytes.size(); offset += 16) {
        if (U32At(bytes, offset + 12) != 0) continue;
        vivos.emplace_back(U32At(bytes, offset), U32At(bytes, offset + 4), U32At(bytes, offset + 8));
    }
    return vivos;
}

// The origin (process, key).
inline QD_ORIGEM_VINCULO_DOC_PS OrigemDe(QD_E_PROCESSO eProc, std::uint32_t lChave) {
    QD_ORIGEM_VINCULO_DOC_PS origem{};
    origem.eProc = eProc;
    origem.lChave = lChave;
    return origem;
}

// The link of document `lPosDoc` to (eProc, lChave).
inline QD_VINCULO_DOC_PS VinculoDe(QD_E_PROCESSO eProc, std::uint32_t lChave, std::uint32_t lPosDoc) {
    QD_VINCULO_DOC_PS vinculo{};
    vinculo.origem = OrigemDe(eProc, lChave);
    vinculo.lPosDoc = lPosDoc;
    return vinculo;
}

// The key that another module's record of day number `dia` and number `numero` is linked by:
// the number's low 24 bits above bit 12, ORed with the whole 16-bit day.
inline std::uint32_t ChaveRegistro(std::uint32_t dia, std::uint32_t numero) {
    return ((numero & 0xFFFFFFu) << 12) | (dia & 0xFFFFu);
}

// A purchase requisition's key (process QD_PROCESSO_CM_RE): May 2014, number 77.
inline std::uint32_t ChaveRequisicao() { return ZTMontaChaveMesAno(ZTCalculaMesNumero(5, 2014), 77); }

// Stand-in data for the requisition: every integration on, two titles, a batch with one posting
// of the requisition and one of another origin, a purchase order and a contract order, plus
// entries of another requisition.
inline std::string DadosRequisicao() {
    const std::string k = std::to_string(ChaveRequisicao());
    return "integracao 20 1\n"
           "integracao 12 1\n"
           "integracao 21 1\n"
           "titulo 11 " + k + " R 07/03/2014 55\n"
           "titulo 11 " + k + " P 08/03/2014 56\n"
           "titulo 11 999 R 08/03/2014 57\n"
           "lote 11 " + k + " 3\n"
           "lancamento 3 11 " + k + " 02/01/2014 70\n"
           "lancamento 3 11 999 02/01/2014 71\n"
           "pedido " + k + " 900 05/05/2015\n"
           "contrato " + k + " 901 06/05/2015\n"
           "contrato 4242 902 06/05/2015\n";
}

// The origins related to the requisition by DadosRequisicao, in the order they are added.
inline std::vector<std::pair<std::uint32_t, std::uint32_t>> OrigensDaRequisicao() {
    return {
        {QD_PROCESSO_FN_CRE_LANC, ChaveRegistro(ZTCalculaDiaNumero(7, 3, 2014), 55)},
        {QD_PROCESSO_FN_CPA_LANC, ChaveRegistro(ZTCalculaDiaNumero(8, 3, 2014), 56)},
        {QD_PROCESSO_CN_LAN, ChaveRegistro(ZTCalculaDiaNumero(2, 1, 2014), 70)},
        {QD_PROCESSO_CM_OC, 900},
        {QD_PROCESSO_CM_OC, 901},
    };
}

}  // namespace kelvo::testing
