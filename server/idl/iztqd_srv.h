// IZTQD_Srv: the interface of the document server, described once.
//
// KELVO_IZTQD_SRV_METHODS is the whole description, written as platform/idl/interface.h says:
// the abstract class below, the method table (method_table.h), the client proxy and the server
// stub are all expanded from it; nothing else lists the methods.
//
// Every method returns an HRESULT: S_OK, a success-class status that the method names, or a
// failure. Arrays and BSTRs that come back are the caller's to free (CoTaskMemFree,
// SysFreeString); what the caller passes in stays the caller's. An object is used from one
// thread at a time (the server's single thread runs its calls one by one).
#pragma once

#include "platform/idl/interface.h"
#include "server/idl/guids.h"
#include "server/idl/records.h"

#include <cstdint>

// clang-format off
#define KELVO_IZTQD_SRV_METHODS(X)                                                                        \
    X(1, Inicializa, (In, QD_INICIALIZA_PS, ini))                                                         \
    X(2, SetModoServico)                                                                                  \
    X(3, LePropriedades, (Out, QD_PROPRIEDADES_PS*, pProp))                                               \
    X(4, GravaPropriedades, (In, QD_PROPRIEDADES_PS, prop))                                               \
    X(5, GetProximoNrLocalizacao, (Out, std::uint32_t*, pProx))                                           \
    X(6, LeLocArq, (In, std::uint32_t, qtd), (InArray<0>, const std::uint32_t*, pPos),                    \
        (OutArray<0>, QD_LOCARQ_PS*, pLocArq), (In, std::uint32_t, dwFlags))                              \
    X(7, GravaLocArq, (InOut, std::uint32_t*, pPos), (In, QD_LOCARQ_PS, ps))                              \
    X(8, BuscaPtrsLocArq, (In, QD_LOCARQ_FILTRO_PS, filtro), (Out, QD_ARRAY_PONTEIROS_PS*, pRegPtrs))     \
    X(9, ExcluiLocArq, (In, std::uint32_t, lPosLocArq))                                                   \
    X(10, CalcularQtdDocs)                                                                                \
    X(11, LeMascaraLocArq, (In, std::uint32_t, iQtd), (InArray<0>, const std::uint32_t*, lPosGrupo),      \
        (OutArray<0>, QD_LOCARQ_MSC_PS*, qdLocArqMasc))                                                   \
    X(12, GravaMascaraLocArq, (InOut, std::uint32_t*, pPos), (In, QD_LOCARQ_MSC_PS, qdLocArqMasc))        \
    X(13, ConverteLocArq, (InRef, const std::uint32_t*, pPosMascara))                                     \
    X(14, LeTipDoc, (In, std::uint32_t, qtd), (InArray<0>, const std::uint32_t*, pPos),                   \
        (OutArray<0>, QD_TIPDOC_PS*, pTipDoc), (In, std::uint32_t, dwFlags))                              \
    X(15, GravaTipDoc, (InOut, std::uint32_t*, pPos), (In, QD_TIPDOC_PS, ps))                             \
    X(16, BuscaPtrsTipDoc, (In, QD_TIPDOC_FILTRO_PS, filtro), (Out, QD_ARRAY_PONTEIROS_PS*, pRegPtrs))    \
    X(17, ExcluiTipDoc, (In, std::uint32_t, lPosTipDoc))                                                  \
    X(18, LeDoc, (In, std::uint32_t, qtd), (InArray<0>, const std::uint32_t*, pPos),                      \
        (OutArray<0>, QD_DOC_PS*, pDoc), (In, std::uint32_t, dwFlags))                                    \
    X(19, GravaDoc, (InOut, std::uint32_t*, pPos), (In, QD_DOC_PS, ps), (In, std::uint32_t, dwFlags))     \
    X(20, BuscaPtrsDoc, (In, QD_DOC_FILTRO_PS, filtro), (Out, QD_ARRAY_PONTEIROS_PS*, pRegPtrs))          \
    X(21, BuscaRapida, (In, platform::BSTR, bsBuscaRapida), (In, std::int32_t, bAcessoWeb),               \
        (Out, QD_ARRAY_PONTEIROS_PS*, pRegPtrs))                                                          \
    X(22, ExcluiDoc, (In, std::uint32_t, qtd), (InArray<0>, const std::uint32_t*, pPos))                  \
    X(23, GetThumbnailsDoc, (In, std::uint32_t, qtd), (InArray<0>, const std::uint32_t*, pPos),           \
        (In, tagSIZE, imgSize), (Out, QD_ARRAY_DOC_THUMBNAIL_PS*, pArray))                                \
    X(24, AdicionaVinculoDoc, (In, QD_VINCULO_DOC_PS, vinculo), (In, REG_ZTDMC, dmc))                     \
    X(25, ExcluiVinculoDoc, (In, std::uint32_t, qtd), (InArray<0>, const QD_VINCULO_DOC_PS*, pVinculos))  \
    X(26, BuscaVinculosDocByOrigem, (In, std::uint32_t, qtd),                                             \
        (InArray<0>, const QD_ORIGEM_VINCULO_DOC_PS*, origem), (Out, QD_ARRAY_PONTEIROS_PS*, pRegPtrs))   \
    X(27, NotificaAlteracaoOrigem, (In, QD_ORIGEM_VINCULO_DOC_PS, origem), (In, QD_DOC_PS, newVal),       \
        (In, QD_DOC_PS, oldVal))                                                                          \
    X(28, NotificaExclusaoOrigem, (In, QD_ORIGEM_VINCULO_DOC_PS, origem))                                 \
    X(29, AtualizaVinculoDoc, (In, QD_ORIGEM_VINCULO_DOC_PS, origem))                                     \
    X(30, GeraRelatorio, (In, QD_RELATORIO_PS, qdRelatorio))                                              \
    X(31, GravaLog, (In, QD_BATCH_GRAVA_LOG_PS, batch))                                                   \
    X(32, LeDistribuicao, (In, std::uint32_t, lPos), (Out, QD_ARRAY_PONTEIROS_PS*, pDistrib),             \
        (In, std::uint32_t, dwFlags))                                                                     \
    X(33, GravaDistribuicao, (InOut, std::uint32_t*, pPos), (In, QD_ARRAY_PONTEIROS_PS, ps))
// clang-format on

// The server object's interface; implemented by CZTQD_Srv in the server and by the proxy in
// clients. Records passed [in] travel by value; see KELVO_IZTQD_SRV_METHODS for the directions.
KELVO_IDL_INTERFACE(IZTQD_Srv, KELVO_IZTQD_SRV_METHODS)
