// The fixture of the tests that hold the quick search against its reference
// (search_rapida_referencia.h): both asked the same queries of the same company, their answers
// compared as (position, score) pairs in order.
#pragma once

#include "platform/text/codepage.h"
#include "server/search/qd_busca_rapida.h"
#include "server/tests/search_empresa_gerada.h"
#include "server/tests/search_rapida_referencia.h"
#include "server/tests/search_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kelvo::testing {

// An answer: the search's result and its (position, score) pairs.
struct RespostaBusca {
    platform::HRESULT hr = platform::S_OK;
    std::vector<std::pair<std::uint32_t, std::int32_t>> pares;
    bool operator==(const RespostaBusca&) const = default;
};

inline RespostaBusca ComoResposta(platform::HRESULT hr, const QDDocsPontuados& lista) {
    RespostaBusca resposta{hr, {}};
    for (const QDDocPontuado& doc : lista) resposta.pares.emplace_back(doc.lPos, doc.nPontos);
    return resposta;
}

inline void PrintTo(const RespostaBusca& resposta, std::ostream* saida) {
    *saida << std::hex << "hr 0x" << static_cast<std::uint32_t>(resposta.hr) << std::dec << ", " << resposta.pares.size()
           << " found:";
    for (std::size_t i = 0; i < resposta.pares.size() && i < 12; ++i) {
        *saida << " " << resposta.pares[i].first << "/" << resposta.pares[i].second;
    }
}

class BuscaComReferencia : public BuscaTeste {
protected:
    // The server's answer to `consulta` (Windows-1252).
    RespostaBusca Rapida(const std::string& consulta, std::int32_t bAcessoWeb = 0) {
        platform::BSTR texto = platform::SysAllocStringFromAnsi(consulta);
        QDDocsPontuados lista;
        const platform::HRESULT hr = QDBuscaRapidaPontuados(QDSessaoBuscaDe(Srv()), texto, bAcessoWeb, lista);
        platform::SysFreeString(texto);
        return ComoResposta(hr, lista);
    }

    // The reference's answers to `consultas`, one per query.
    std::vector<RespostaBusca> Referencia(const std::vector<std::string>& consultas, std::int32_t bAcessoWeb = 0) {
        std::vector<QDDocsPontuados> listas;
        const platform::HRESULT hr = QDBuscaRapidaReferencia(QDSessaoBuscaDe(Srv()), consultas, bAcessoWeb, listas);
        std::vector<RespostaBusca> respostas;
        for (const QDDocsPontuados& lista : listas) respostas.push_back(ComoResposta(hr, lista));
        return respostas;
    }

    // Asks both every query of `consultas`; each answer must be the reference's. The number of
    // queries that found something.
    int Compara(const std::vector<std::string>& consultas, std::int32_t bAcessoWeb, const std::string& quando) {
        const std::vector<RespostaBusca> esperadas = Referencia(consultas, bAcessoWeb);
        int achadas = 0;
        for (std::size_t i = 0; i < consultas.size(); ++i) {
            EXPECT_EQ(Rapida(consultas[i], bAcessoWeb), esperadas[i])
                << quando << ", query [" << platform::Utf8FromAnsi(consultas[i]) << "]";
            if (!esperadas[i].pares.empty()) ++achadas;
        }
        return achadas;
    }
};

}  // namespace kelvo::testing
