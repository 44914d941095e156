// The three lists a document type owns (users, processes, search fields), each described once by
// a traits type, so that reading a run, writing it, handing it to the client and logging it are
// written once for all three.
//
// A list's interface element (QD_TIPDOC_PS's array element and the log item's element: a u16
// user code, a u32 process, a 60-byte QD_TIPDOC_CAMPO_PS) is the first bytes of its stored record;
// the rest of the record is zero. Counts and first positions come from the type record
// (QD_TIPDOC_ARQ), whose run rules are those of zt_sequencia.h. Used by the operations of
// server/types on the server's one thread; the file objects live for one operation.
#pragma once

#include "platform/com/task_allocator.h"
#include "platform/hresult.h"
#include "platform/idl/wire_limits.h"
#include "server/idl/records.h"
#include "server/object/qd_arq_bind.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_sequencia.h"
#include "server/types/qd_tipdoc_arq.h"
#include "server/types/qd_tipdoc_conversao.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

// The stored records of one type's three lists.
struct QDListasTipDoc {
    std::vector<QD_TIPDOC_USUARIO_ARQ> usuarios;
    std::vector<QD_TIPDOC_PROCESSO_ARQ> processos;
    std::vector<QD_TIPDOC_CAMPO_ARQ> campos;
};

// The three list files of the session's data directory (opened by the operation that needs them).
struct QDArquivosListasTipDoc {
    explicit QDArquivosListasTipDoc(IQDArqBind& bind) : usuarios(bind), processos(bind), campos(bind) {}
    CQDArqT<QD_TIPDOC_USUARIO_ARQ> usuarios;
    CQDArqT<QD_TIPDOC_PROCESSO_ARQ> processos;
    CQDArqT<QD_TIPDOC_CAMPO_ARQ> campos;
};

// The users allowed to see a type.
struct QDListaUsuarios {
    using Arq = QD_TIPDOC_USUARIO_ARQ;
    using Elemento = std::uint16_t;
    static constexpr QD_E_TYPE_LOG_PTRS kTipoLog = QD_TYPE_LOG_USUARIO;
    static constexpr auto kQtdPS = &QD_TIPDOC_PS::nQtdUsuarios;
    static constexpr auto kElementosPS = &QD_TIPDOC_PS::pUsuarios;
    static constexpr auto kRegistros = &QDListasTipDoc::usuarios;
    static constexpr auto kArquivo = &QDArquivosListasTipDoc::usuarios;
    static std::uint32_t Qtd(const QD_TIPDOC_ARQ& tipo) { return tipo.nQtdUsuarios; }
    static std::uint32_t Primeiro(const QD_TIPDOC_ARQ& tipo) { return tipo.lPrimeiroUsuario; }
    static void SetPrimeiro(QD_TIPDOC_ARQ& tipo, std::uint32_t primeiro) { tipo.lPrimeiroUsuario = primeiro; }
    static Elemento ParaElemento(const Arq& arq) { return arq.iUsuario; }
    static Arq DeElemento(Elemento elemento) {
        Arq arq{};
        arq.iUsuario = elemento;
        return arq;
    }
};

// The processes a type belongs to.
struct QDListaProcessos {
    using Arq = QD_TIPDOC_PROCESSO_ARQ;
    using Elemento = QD_E_PROCESSO;
    static constexpr QD_E_TYPE_LOG_PTRS kTipoLog = QD_TYPE_LOG_PROCESSO;
    static constexpr auto kQtdPS = &QD_TIPDOC_PS::nQtdProcessos;
    static constexpr auto kElementosPS = &QD_TIPDOC_PS::pProcessos;
    static constexpr auto kRegistros = &QDListasTipDoc::processos;
    static constexpr auto kArquivo = &QDArquivosListasTipDoc::processos;
    static std::uint32_t Qtd(const QD_TIPDOC_ARQ& tipo) { return tipo.nQtdProcessos; }
    static std::uint32_t Primeiro(const QD_TIPDOC_ARQ& tipo) { return tipo.lPrimeiroProcesso; }
    static void SetPrimeiro(QD_TIPDOC_ARQ& tipo, std::uint32_t primeiro) { tipo.lPrimeiroProcesso = primeiro; }
    static Elemento ParaElemento(const Arq& arq) { return static_cast<QD_E_PROCESSO>(arq.eProcesso); }
    static Arq DeElemento(Elemento elemento) {
        Arq arq{};
        arq.eProcesso = static_cast<std::uint32_t>(elemento);
        return arq;
    }
};

// The search fields of a type's documents.
struct QDListaCampos {
    using Arq = QD_TIPDOC_CAMPO_ARQ;
    using Elemento = QD_TIPDOC_CAMPO_PS;
    static constexpr QD_E_TYPE_LOG_PTRS kTipoLog = QD_TYPE_LOG_CAMPO;
    static constexpr auto kQtdPS = &QD_TIPDOC_PS::nQtdCampos;
    static constexpr auto kElementosPS = &QD_TIPDOC_PS::pCampos;
    static constexpr auto kRegistros = &QDListasTipDoc::campos;
    static constexpr auto kArquivo = &QDArquivosListasTipDoc::campos;
    static std::uint32_t Qtd(const QD_TIPDOC_ARQ& tipo) { return tipo.nQtdCampos; }
    static std::uint32_t Primeiro(const QD_TIPDOC_ARQ& tipo) { return tipo.lPrimeiroCampo; }
    static void SetPrimeiro(QD_TIPDOC_ARQ& tipo, std::uint32_t primeiro) { tipo.lPrimeiroCampo = primeiro; }
    static Elemento ParaElemento(const Arq& arq) {
        Elemento elemento;
        std::memset(&elemento, 0, sizeof elemento);  // the padding byte too: it travels and is logged
        elemento.dwFlags = arq.dwFlags;
        elemento.id = static_cast<QD_E_CAMPO_DOC>(arq.id);
        QDCopiaTextoCampo(elemento.szNome, arq.szNome);
        return elemento;
    }
    static Arq DeElemento(const Elemento& elemento) {
        Arq arq{};
        arq.dwFlags = elemento.dwFlags;
        arq.id = static_cast<std::uint32_t>(elemento.id);
        QDCopiaTextoCampo(arq.szNome, elemento.szNome);
        return arq;
    }
};

static_assert(sizeof(QD_TIPDOC_CAMPO_PS) == 60 && offsetof(QD_TIPDOC_CAMPO_PS, szNome) == 8,
              "a stored field record begins with the interface's field record");

// Calls `funcao` with a value of each list's traits type in the order users, processes, fields;
// stops at and returns the first non-zero result (a message code or a failing HRESULT).
template <class Funcao>
auto QDParaCadaLista(Funcao&& funcao) {
    if (auto resultado = funcao(QDListaUsuarios{}); resultado != 0) return resultado;
    if (auto resultado = funcao(QDListaProcessos{}); resultado != 0) return resultado;
    return funcao(QDListaCampos{});
}

// Reads the run the type record `tipo` gives for list L into `registros`. 0, or 16021 for a count
// or first position the file cannot hold (checked before anything is allocated), or a read's code.
template <class L>
[[nodiscard]] int QDLeLista(CZTArqEx& arquivo, const QD_TIPDOC_ARQ& tipo, std::vector<typename L::Arq>& registros) {
    registros.clear();
    constexpr auto kMaximo = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    if (L::Qtd(tipo) > kMaximo || L::Primeiro(tipo) > kMaximo) return ZT_ERR_ARQ_FIM;
    std::vector<char> bytes;
    if (const int codigo = ZTLeSequencia(arquivo, static_cast<std::int32_t>(L::Primeiro(tipo)),
                                         static_cast<std::int32_t>(L::Qtd(tipo)), bytes)) {
        return codigo;
    }
    registros.resize(L::Qtd(tipo));
    if (!bytes.empty()) std::memcpy(static_cast<void*>(registros.data()), bytes.data(), bytes.size());
    return 0;
}

// Writes `registros` as the run of list L of `tipo`, whose stored run held `qtdGravada` records
// from its first position; the run's first position is stored into `tipo`. 0 or the code of the
// first failing write (records written before it stay written).
template <class L>
[[nodiscard]] int QDGravaLista(CZTArqEx& arquivo, const std::vector<typename L::Arq>& registros,
                               std::uint32_t qtdGravada, QD_TIPDOC_ARQ& tipo) {
    constexpr auto kMaximo = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    if (registros.size() > kMaximo || qtdGravada > kMaximo || L::Primeiro(tipo) > kMaximo) return ZT_ERR_ARQ_FIM;
    auto primeiro = static_cast<std::int32_t>(L::Primeiro(tipo));
    if (const int codigo = ZTGravaSequencia(arquivo, registros.data(), static_cast<std::int32_t>(registros.size()),
                                            static_cast<std::int32_t>(qtdGravada), primeiro)) {
        return codigo;
    }
    L::SetPrimeiro(tipo, static_cast<std::uint32_t>(primeiro));
    return 0;
}

// S_OK when the client's list L in `ps` can be stored: E_POINTER for a count without an array,
// E_INVALIDARG for a count no request could carry (a negative number seen as unsigned, or one
// that would overrun the caller's memory).
template <class L>
[[nodiscard]] platform::HRESULT QDValidaListaPS(const QD_TIPDOC_PS& ps) {
    const std::uint32_t qtd = ps.*L::kQtdPS;
    if (qtd > platform::idl::kMaxMessageBytes / sizeof(typename L::Elemento)) return platform::E_INVALIDARG;
    if (qtd != 0 && !(ps.*L::kElementosPS)) return platform::E_POINTER;
    return platform::S_OK;
}

// The stored records of the client's list L in `ps` (validated by QDValidaListaPS).
template <class L>
[[nodiscard]] std::vector<typename L::Arq> QDRegistrosDePS(const QD_TIPDOC_PS& ps) {
    std::vector<typename L::Arq> registros;
    registros.reserve(ps.*L::kQtdPS);
    for (std::uint32_t i = 0; i < ps.*L::kQtdPS; ++i) registros.push_back(L::DeElemento((ps.*L::kElementosPS)[i]));
    return registros;
}

// The interface elements of `registros`, back to back.
template <class L>
[[nodiscard]] std::vector<typename L::Elemento> QDElementos(const std::vector<typename L::Arq>& registros) {
    std::vector<typename L::Elemento> elementos;
    elementos.reserve(registros.size());
    for (const typename L::Arq& registro : registros) elementos.push_back(L::ParaElemento(registro));
    return elementos;
}

// Hands `registros` to the client as list L of `ps`: an array from the task allocator (a zero-length
// one for an empty list) and its count. S_OK or E_OUTOFMEMORY (`ps` untouched then).
template <class L>
[[nodiscard]] platform::HRESULT QDEntregaLista(const std::vector<typename L::Arq>& registros, QD_TIPDOC_PS& ps) {
    using Elemento = typename L::Elemento;
    auto* elementos = static_cast<Elemento*>(platform::CoTaskMemAlloc(registros.size() * sizeof(Elemento)));
    if (!elementos) return platform::E_OUTOFMEMORY;
    for (std::size_t i = 0; i < registros.size(); ++i) elementos[i] = L::ParaElemento(registros[i]);
    ps.*L::kElementosPS = elementos;
    ps.*L::kQtdPS = static_cast<std::uint32_t>(registros.size());
    return platform::S_OK;
}
