// CConexaoGedSrv's reads of many types and locations (LeTipDocEx, LeLocArqEx) and their look-up
// by code (ExisteTipDoc, ExisteLocArq), against a stand-in server that knows records by code.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/tests/support/recorded_boxes.h"
#include "platform/tests/support/test_environment.h"
#include "server/idl/tests/support/connection.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::HRESULT;
using server::idl::MethodOf;
using server::idl::testing::Connection;
using server::idl::testing::RecordingServer;

constexpr HRESULT kArquivoNaoEncontrado = platform::MakeHResult(0x80040000 | 16055);
constexpr std::uint32_t kLote = CConexaoGedSrv::kQtdPorLeitura;

// A stand-in server with types and locations known by their codes (position i + 1 holds code
// i): it answers the two searches (exact or prefix codes, by the filter's bits) and the two reads,
// records what it was asked, and fails on demand. A read names each record "N<position>" and
// gives it a one-entry list holding its position, so that ownership is exercised.
class BaseFalsa {
public:
    struct Leitura {
        std::uint32_t metodo;
        std::vector<std::uint32_t> posicoes;
        std::uint32_t dwFlags;
    };

    explicit BaseFalsa(RecordingServer& servidor) {
        servidor.handler = [this](std::uint32_t metodo, void* argumentos) { return Atende(metodo, argumentos); };
    }

    std::vector<std::string> tipos;
    std::vector<std::string> locais;
    HRESULT respostaBusca = platform::S_OK;
    std::vector<HRESULT> respostasLeitura;  // the result of read call i; S_OK beyond the list
    std::vector<QD_TIPDOC_FILTRO_PS> filtrosTipos;
    std::vector<QD_LOCARQ_FILTRO_PS> filtrosLocais;
    std::vector<Leitura> leituras;

private:
    template <std::uint32_t N, class F>
    static HRESULT Chama(void* argumentos, F f) {
        return std::apply(f, *static_cast<typename MethodOf<N>::Arguments*>(argumentos));
    }

    HRESULT Atende(std::uint32_t metodo, void* argumentos) {
        switch (metodo) {
        case 14:
            return Chama<14>(argumentos, [this](std::uint32_t qtd, const std::uint32_t* pPos, QD_TIPDOC_PS* pTipDoc,
                                                std::uint32_t dwFlags) {
                return Le(14, qtd, pPos, dwFlags, [&](std::uint32_t i, const std::string& nome) {
                    std::snprintf(pTipDoc[i].szCodigo, sizeof pTipDoc[i].szCodigo, "%s", Codigo(tipos, pPos[i]));
                    std::snprintf(pTipDoc[i].szNome, sizeof pTipDoc[i].szNome, "%s", nome.c_str());
                    pTipDoc[i].nQtdUsuarios = 1;
                    pTipDoc[i].pUsuarios = static_cast<std::uint16_t*>(platform::CoTaskMemAlloc(sizeof(std::uint16_t)));
                    pTipDoc[i].pUsuarios[0] = static_cast<std::uint16_t>(pPos[i]);
                });
            });
        case 6:
            return Chama<6>(argumentos, [this](std::uint32_t qtd, const std::uint32_t* pPos, QD_LOCARQ_PS* pLocArq,
                                               std::uint32_t dwFlags) {
                return Le(6, qtd, pPos, dwFlags, [&](std::uint32_t i, const std::string& nome) {
                    std::snprintf(pLocArq[i].szCodigo, sizeof pLocArq[i].szCodigo, "%s", Codigo(locais, pPos[i]));
                    std::snprintf(pLocArq[i].szDescricao, sizeof pLocArq[i].szDescricao, "%s", nome.c_str());
                    pLocArq[i].nQtdTipDocs = 1;
                    pLocArq[i].pPtrsTipDocs =
                        static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(sizeof(std::uint32_t)));
                    pLocArq[i].pPtrsTipDocs[0] = pPos[i];
                });
            });
        case 16:
            return Chama<16>(argumentos, [this](QD_TIPDOC_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
                filtrosTipos.push_back(filtro);
                return Busca(tipos, filtro.szCodigo, filtro.dwFlags & 0x02, filtro.dwFlags & 0x04, *pRegPtrs);
            });
        case 8:
            return Chama<8>(argumentos, [this](QD_LOCARQ_FILTRO_PS filtro, QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
                filtrosLocais.push_back(filtro);
                return Busca(locais, filtro.szCodigo, filtro.dwFlags & 0x01, filtro.dwFlags & 0x02, *pRegPtrs);
            });
        default:
            return platform::E_UNEXPECTED;
        }
    }

    static const char* Codigo(const std::vector<std::string>& codigos, std::uint32_t lPos) {
        return lPos >= 1 && lPos <= codigos.size() ? codigos[lPos - 1].c_str() : "";
    }

    template <class Preenche>
    HRESULT Le(std::uint32_t metodo, std::uint32_t qtd, const std::uint32_t* pPos, std::uint32_t dwFlags,
               Preenche preenche) {
        const std::size_t chamada = leituras.size();
        leituras.push_back({metodo, std::vector<std::uint32_t>(pPos, pPos + qtd), dwFlags});
        const HRESULT hr = chamada < respostasLeitura.size() ? respostasLeitura[chamada] : platform::S_OK;
        if (platform::FAILED(hr)) return hr;
        for (std::uint32_t i = 0; i < qtd; ++i) preenche(i, "N" + std::to_string(pPos[i]));
        return hr;
    }

    HRESULT Busca(const std::vector<std::string>& codigos, const char* szCodigo, bool compara, bool inicio,
                  QD_ARRAY_PONTEIROS_PS& achados) const {
        if (platform::FAILED(respostaBusca)) return respostaBusca;
        const std::string procurado(szCodigo);
        std::vector<std::uint32_t> posicoes;
        for (std::size_t i = 0; i < codigos.size(); ++i) {
            const bool passa = !compara || (inicio ? codigos[i].starts_with(procurado) : codigos[i] == procurado);
            if (passa) posicoes.push_back(static_cast<std::uint32_t>(i + 1));
        }
        achados.qtd = static_cast<std::uint32_t>(posicoes.size());
        achados.pPtrs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(posicoes.size() * sizeof(std::uint32_t)));
        if (!posicoes.empty()) std::memcpy(achados.pPtrs, posicoes.data(), posicoes.size() * sizeof(std::uint32_t));
        return platform::S_OK;
    }
};

// What the tests need to treat types and locations alike.
struct Tipos {
    using Classe = CQDTipDoc;
    static constexpr std::uint32_t kMetodoLe = 14;
    static constexpr std::uint32_t kComparaCodigo = 0x02;
    static constexpr std::uint32_t kCodigoInicial = 0x04;
    static constexpr std::uint32_t kFlagsPadrao = 0x22;
    static constexpr std::size_t kCampoCodigo = sizeof(QD_TIPDOC_PS::szCodigo);

    static HRESULT LeEx(CConexaoGedSrv& c, std::uint32_t qtd, const std::uint32_t* pPos, Classe* p, std::uint32_t f) {
        return c.LeTipDocEx(qtd, pPos, p, f);
    }
    static std::uint32_t Existe(CConexaoGedSrv& c, const char* sz, std::uint32_t f, Classe* p) {
        return c.ExisteTipDoc(sz, f, p);
    }
    static std::uint32_t ExistePadrao(CConexaoGedSrv& c, const char* sz) { return c.ExisteTipDoc(sz); }
    static std::string Nome(const Classe& o) { return o->szNome; }
    static std::string Codigo(const Classe& o) { return o->szCodigo; }
    static std::uint32_t Lista(const Classe& o) { return o->pUsuarios ? o->pUsuarios[0] : 0; }
    static void PoeNome(Classe& o, const char* nome) { std::snprintf(o->szNome, sizeof o->szNome, "%s", nome); }
    static std::vector<std::string>& Codigos(BaseFalsa& b) { return b.tipos; }
    static std::vector<std::uint32_t> FlagsEnviados(const BaseFalsa& b) {
        std::vector<std::uint32_t> flags;
        for (const auto& filtro : b.filtrosTipos) flags.push_back(filtro.dwFlags);
        return flags;
    }
    static std::string CodigoEnviado(const BaseFalsa& b) { return b.filtrosTipos.back().szCodigo; }
};

struct Locais {
    using Classe = CQDLocArq;
    static constexpr std::uint32_t kMetodoLe = 6;
    static constexpr std::uint32_t kComparaCodigo = 0x01;
    static constexpr std::uint32_t kCodigoInicial = 0x02;
    static constexpr std::uint32_t kFlagsPadrao = 0x01;
    static constexpr std::size_t kCampoCodigo = sizeof(QD_LOCARQ_PS::szCodigo);

    static HRESULT LeEx(CConexaoGedSrv& c, std::uint32_t qtd, const std::uint32_t* pPos, Classe* p, std::uint32_t f) {
        return c.LeLocArqEx(qtd, pPos, p, f);
    }
    static std::uint32_t Existe(CConexaoGedSrv& c, const char* sz, std::uint32_t f, Classe* p) {
        return c.ExisteLocArq(sz, f, p);
    }
    static std::uint32_t ExistePadrao(CConexaoGedSrv& c, const char* sz) { return c.ExisteLocArq(sz); }
    static std::string Nome(const Classe& o) { return o->szDescricao; }
    static std::string Codigo(const Classe& o) { return o->szCodigo; }
    static std::uint32_t Lista(const Classe& o) { return o->pPtrsTipDocs ? o->pPtrsTipDocs[0] : 0; }
    static void PoeNome(Classe& o, const char* nome) {
        std::snprintf(o->szDescricao, sizeof o->szDescricao, "%s", nome);
    }
    static std::vector<std::string>& Codigos(BaseFalsa& b) { return b.locais; }
    static std::vector<std::uint32_t> FlagsEnviados(const BaseFalsa& b) {
        std::vector<std::uint32_t> flags;
        for (const auto& filtro : b.filtrosLocais) flags.push_back(filtro.dwFlags);
        return flags;
    }
    static std::string CodigoEnviado(const BaseFalsa& b) { return b.filtrosLocais.back().szCodigo; }
};

// Positions that no off-by-one can confuse: distinct, not consecutive, not starting at 1.
std::vector<std::uint32_t> Posicoes(std::uint32_t qtd) {
    std::vector<std::uint32_t> posicoes;
    for (std::uint32_t i = 0; i < qtd; ++i) posicoes.push_back(1000 + 7 * i);
    return posicoes;
}

template <class T>
class LeituraEmPartes : public ::testing::Test {
protected:
    kelvo::testing::TestEnvironment ambiente_;
    kelvo::testing::RecordedBoxes caixas_;
    RecordingServer servidor_;
    BaseFalsa base_{servidor_};
};

using TiposELocais = ::testing::Types<Tipos, Locais>;
TYPED_TEST_SUITE(LeituraEmPartes, TiposELocais);

// Counts above one call are split into calls of at most one chunk, in order, and each object
// gets its own record and position (a wrong offset would mismatch objects and positions).
TYPED_TEST(LeituraEmPartes, LargeCountIsReadInChunksEachObjectWithItsPosition) {
    for (const std::uint32_t qtd : {1u, kLote - 1, kLote, kLote + 1, 2 * kLote + 3}) {
        SCOPED_TRACE(qtd);
        this->base_.leituras.clear();
        CSilentConexaoGedSrv conexao;
        conexao.SetInterface(&this->servidor_);
        const std::vector<std::uint32_t> posicoes = Posicoes(qtd);
        std::vector<typename TypeParam::Classe> objetos(qtd);
        ASSERT_EQ(TypeParam::LeEx(conexao, qtd, posicoes.data(), objetos.data(), 5), platform::S_OK);

        ASSERT_EQ(this->base_.leituras.size(), (qtd + kLote - 1) / kLote);
        std::vector<std::uint32_t> pedidas;
        for (const auto& leitura : this->base_.leituras) {
            EXPECT_EQ(leitura.metodo, TypeParam::kMetodoLe);
            EXPECT_EQ(leitura.dwFlags, 5u);
            EXPECT_LE(leitura.posicoes.size(), kLote);
            pedidas.insert(pedidas.end(), leitura.posicoes.begin(), leitura.posicoes.end());
        }
        EXPECT_EQ(pedidas, posicoes);
        for (std::uint32_t i = 0; i < qtd; ++i) {
            EXPECT_EQ(objetos[i].GetPosicao(), posicoes[i]);
            EXPECT_EQ(TypeParam::Nome(objetos[i]), "N" + std::to_string(posicoes[i]));
            EXPECT_EQ(TypeParam::Lista(objetos[i]), posicoes[i]);
        }
    }
}

// A count of 0 asks the server nothing and succeeds, even without arrays or an object.
TYPED_TEST(LeituraEmPartes, ZeroCountMakesNoCallAndSucceeds) {
    CConexaoGedSrv conexao;
    conexao.SetInterface(&this->servidor_);
    EXPECT_EQ(TypeParam::LeEx(conexao, 0, nullptr, nullptr, 0), platform::S_OK);
    EXPECT_TRUE(this->servidor_.calls.empty());
    CConexaoGedSrv semObjeto;
    EXPECT_EQ(TypeParam::LeEx(semObjeto, 0, nullptr, nullptr, 0), platform::S_OK);
    EXPECT_TRUE(this->caixas_.boxes.empty());
}

// A count with a missing array is refused before anything is sent or touched.
TYPED_TEST(LeituraEmPartes, CountWithoutArraysIsRefused) {
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(&this->servidor_);
    const std::uint32_t posicao = 3;
    typename TypeParam::Classe objeto;
    EXPECT_EQ(TypeParam::LeEx(conexao, 1, nullptr, &objeto, 0), platform::E_POINTER);
    EXPECT_EQ(TypeParam::LeEx(conexao, 1, &posicao, nullptr, 0), platform::E_POINTER);
    EXPECT_TRUE(this->servidor_.calls.empty());
}

// The first failing call ends the reading with its result: the chunks before it are read, the
// ones after it are neither asked for nor touched, and the plain connection shows it once.
TYPED_TEST(LeituraEmPartes, FirstFailureStopsTheReadingAndIsReturned) {
    this->base_.respostasLeitura = {platform::S_OK, platform::E_NOTIMPL, platform::S_OK};
    CConexaoGedSrv conexao;
    conexao.SetInterface(&this->servidor_);
    const std::uint32_t qtd = 2 * kLote + 3;
    const std::vector<std::uint32_t> posicoes = Posicoes(qtd);
    std::vector<typename TypeParam::Classe> objetos(qtd);
    for (auto& objeto : objetos) TypeParam::PoeNome(objeto, "antes");

    EXPECT_EQ(TypeParam::LeEx(conexao, qtd, posicoes.data(), objetos.data(), 0), platform::E_NOTIMPL);
    EXPECT_EQ(this->base_.leituras.size(), 2u);
    EXPECT_EQ(objetos[kLote - 1].GetPosicao(), posicoes[kLote - 1]);
    EXPECT_EQ(objetos[kLote].GetPosicao(), 0u);
    EXPECT_EQ(objetos[2 * kLote].GetPosicao(), 0u);
    EXPECT_EQ(TypeParam::Nome(objetos[2 * kLote]), "antes");
    EXPECT_EQ(this->caixas_.boxes.size(), 1u);
}

// A success status of one call is not lost behind the S_OK of the others.
TYPED_TEST(LeituraEmPartes, SuccessStatusOfAChunkIsKept) {
    this->base_.respostasLeitura = {platform::S_OK, platform::S_FALSE};
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(&this->servidor_);
    const std::vector<std::uint32_t> posicoes = Posicoes(2 * kLote + 1);
    std::vector<typename TypeParam::Classe> objetos(posicoes.size());
    EXPECT_EQ(TypeParam::LeEx(conexao, static_cast<std::uint32_t>(posicoes.size()), posicoes.data(), objetos.data(), 0),
              platform::S_FALSE);
    EXPECT_EQ(this->base_.leituras.size(), 3u);
    EXPECT_EQ(objetos.back().GetPosicao(), posicoes.back());
}

// Through the proxy every chunk travels as its own call and the objects come back whole.
TYPED_TEST(LeituraEmPartes, ChunksTravelThroughTheProxy) {
    Connection remoto;
    BaseFalsa base(remoto.server);
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(remoto.proxy);
    const std::vector<std::uint32_t> posicoes = Posicoes(kLote + 2);
    std::vector<typename TypeParam::Classe> objetos(posicoes.size());
    ASSERT_EQ(TypeParam::LeEx(conexao, static_cast<std::uint32_t>(posicoes.size()), posicoes.data(), objetos.data(), 0),
              platform::S_OK);
    EXPECT_EQ(remoto.hooks.calls, 2);
    EXPECT_EQ(objetos.back().GetPosicao(), posicoes.back());
    EXPECT_EQ(TypeParam::Nome(objetos.back()), "N" + std::to_string(posicoes.back()));
    EXPECT_EQ(TypeParam::Lista(objetos.back()), posicoes.back());
}

template <class T>
class ExistePorCodigo : public LeituraEmPartes<T> {
protected:
    void SetUp() override {
        Codigos() = {"01", "0101", "02", "01"};
        conexao_.SetInterface(&this->servidor_);
    }
    std::vector<std::string>& Codigos() { return T::Codigos(this->base_); }
    CSilentConexaoGedSrv conexao_;
};

TYPED_TEST_SUITE(ExistePorCodigo, TiposELocais);

// The exact code is found, the first of equal codes wins, and the search always compares codes
// exactly, whatever prefix bit the caller passed along with its own bits.
TYPED_TEST(ExistePorCodigo, FindsTheFirstRecordWithExactlyThatCode) {
    EXPECT_EQ(TypeParam::ExistePadrao(this->conexao_, "01"), 1u);
    EXPECT_EQ(TypeParam::ExistePadrao(this->conexao_, "0101"), 2u);
    EXPECT_EQ(TypeParam::CodigoEnviado(this->base_), "0101");
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "02", TypeParam::kCodigoInicial | 0x20, nullptr), 3u);
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "02", 0, nullptr), 3u);
    const std::vector<std::uint32_t> esperados = {TypeParam::kFlagsPadrao, TypeParam::kFlagsPadrao,
                                                  TypeParam::kComparaCodigo | 0x20, TypeParam::kComparaCodigo};
    EXPECT_EQ(TypeParam::FlagsEnviados(this->base_), esperados);
    EXPECT_TRUE(this->base_.leituras.empty());  // no object asked for, nothing read
}

// A code that no record has answers 0 and reads nothing, even when an object is given.
TYPED_TEST(ExistePorCodigo, UnknownCodeAnswersZero) {
    typename TypeParam::Classe objeto;
    TypeParam::PoeNome(objeto, "antes");
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "03", TypeParam::kFlagsPadrao, &objeto), 0u);
    // A prefix of stored codes only: the caller's prefix bit does not turn the look-up into a prefix search.
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "0", TypeParam::kFlagsPadrao | TypeParam::kCodigoInicial, &objeto), 0u);
    EXPECT_TRUE(this->base_.leituras.empty());
    EXPECT_EQ(TypeParam::Nome(objeto), "antes");
}

// When found, the given object is read with everything (flags 0) and holds the record and its
// position.
TYPED_TEST(ExistePorCodigo, FoundRecordFillsTheObject) {
    typename TypeParam::Classe objeto;
    ASSERT_EQ(TypeParam::Existe(this->conexao_, "02", TypeParam::kFlagsPadrao, &objeto), 3u);
    ASSERT_EQ(this->base_.leituras.size(), 1u);
    EXPECT_EQ(this->base_.leituras[0].metodo, TypeParam::kMetodoLe);
    EXPECT_EQ(this->base_.leituras[0].posicoes, std::vector<std::uint32_t>{3});
    EXPECT_EQ(this->base_.leituras[0].dwFlags, 0u);
    EXPECT_EQ(objeto.GetPosicao(), 3u);
    EXPECT_EQ(TypeParam::Codigo(objeto), "02");
    EXPECT_EQ(TypeParam::Lista(objeto), 3u);
}

// A failed search or a failed read is "not found", and a failed read leaves the object as it was.
TYPED_TEST(ExistePorCodigo, FailuresAnswerZeroAndKeepTheObject) {
    typename TypeParam::Classe objeto;
    TypeParam::PoeNome(objeto, "antes");
    objeto.SetPosicao(9);

    this->base_.respostaBusca = kArquivoNaoEncontrado;
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "01", TypeParam::kFlagsPadrao, &objeto), 0u);
    EXPECT_TRUE(this->base_.leituras.empty());

    this->base_.respostaBusca = platform::S_OK;
    this->base_.respostasLeitura = {platform::E_NOTIMPL};
    EXPECT_EQ(TypeParam::Existe(this->conexao_, "01", TypeParam::kFlagsPadrao, &objeto), 0u);
    EXPECT_EQ(this->base_.leituras.size(), 1u);
    EXPECT_EQ(TypeParam::Nome(objeto), "antes");
    EXPECT_EQ(objeto.GetPosicao(), 9u);

    CSilentConexaoGedSrv semObjeto;
    EXPECT_EQ(TypeParam::ExistePadrao(semObjeto, "01"), 0u);
}

// A code longer than the record's field can match nothing and is not sent (it would be cut
// to a shorter code that may exist); the longest code that fits is sent whole.
TYPED_TEST(ExistePorCodigo, CodeLongerThanTheFieldIsNeverSent) {
    const std::string cabe(TypeParam::kCampoCodigo - 1, '7');
    this->Codigos().push_back(cabe);
    const std::string longo = cabe + "7";
    EXPECT_EQ(TypeParam::ExistePadrao(this->conexao_, longo.c_str()), 0u);
    EXPECT_EQ(TypeParam::ExistePadrao(this->conexao_, nullptr), 0u);
    EXPECT_TRUE(this->servidor_.calls.empty());

    EXPECT_EQ(TypeParam::ExistePadrao(this->conexao_, cabe.c_str()), 5u);
    EXPECT_EQ(TypeParam::CodigoEnviado(this->base_), cabe);
}

}  // namespace
