// Round trips through the generated proxy and stub in memory, without a transport: what the
// marshalling alone costs per call, for a call without data, a small read and a document with
// its content.
#include "server/idl/tests/support/connection.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using server::idl::testing::Connection;

Connection& Quiet(Connection& connection) {
    connection.hooks.keepRequests = false;
    return connection;
}

// A position out, nothing in: the smallest call with a result.
void BM_GetProximoNrLocalizacao(benchmark::State& state) {
    Connection connection;
    Quiet(connection).server.On<5>([](std::uint32_t* pProx) {
        *pProx = 42;
        return platform::S_OK;
    });
    std::uint32_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(connection.proxy->GetProximoNrLocalizacao(&next));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetProximoNrLocalizacao);

// Ten documents read, each with two users, two field values and a description.
void BM_LeDoc10(benchmark::State& state) {
    Connection connection;
    Quiet(connection).server.On<18>([](std::uint32_t qtd, const std::uint32_t*, QD_DOC_PS* pDoc, std::uint32_t) {
        for (std::uint32_t i = 0; i < qtd; ++i) {
            pDoc[i].nQtdUsuarios = 2;
            pDoc[i].pUsuarios = static_cast<std::uint16_t*>(platform::CoTaskMemAlloc(4));
            pDoc[i].nQtdCampos = 2;
            pDoc[i].pCampos = static_cast<QD_DOC_CAMPO_PS*>(platform::CoTaskMemAlloc(2 * sizeof(QD_DOC_CAMPO_PS)));
            std::memset(pDoc[i].pCampos, 0, 2 * sizeof(QD_DOC_CAMPO_PS));
            pDoc[i].bsDescricao = platform::SysAllocString(u"Nota fiscal de entrada");
            std::strcpy(pDoc[i].szOriginalFileName, "nota.pdf");
        }
        return platform::S_OK;
    });
    std::uint32_t positions[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QD_DOC_PS docs[10];
    for (auto _ : state) {
        benchmark::DoNotOptimize(connection.proxy->LeDoc(10, positions, docs, 0x8));
        for (QD_DOC_PS& doc : docs) platform::idl::Codec<QD_DOC_PS>::Free(doc);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LeDoc10);

// A document written with its content of the given size.
void BM_GravaDocContent(benchmark::State& state) {
    Connection connection;
    Quiet(connection).server.On<19>([](std::uint32_t* pPos, QD_DOC_PS, std::uint32_t) {
        *pPos = 7;
        return platform::S_OK;
    });
    std::vector<std::uint8_t> content(static_cast<std::size_t>(state.range(0)), 0x5A);
    QD_DOC_PS doc{};
    doc.cbArquivo = static_cast<std::uint32_t>(content.size());
    doc.pArquivo = content.data();
    for (auto _ : state) {
        std::uint32_t position = 0;
        benchmark::DoNotOptimize(connection.proxy->GravaDoc(&position, doc, 0x4));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_GravaDocContent)->Arg(1 << 10)->Arg(1 << 20);

}  // namespace

BENCHMARK_MAIN();
