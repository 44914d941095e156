// Every record of the interface as one type list, and the encoding of one value, for tests that
// walk all records.
#pragma once

#include "platform/idl/value_codec.h"
#include "server/idl/records.h"

#include <tuple>

namespace server::idl::testing {

using namespace platform::idl;  // the marshalling that these tests exercise

using AllRecords = std::tuple<QD_INICIALIZA_PS, QD_PROPRIEDADES_PS, QD_LOCARQ_PS, QD_LOCARQ_FILTRO_PS,
                              QD_ARRAY_PONTEIROS_PS, QD_LOCARQ_MSC_PS, QD_TIPDOC_PS, QD_TIPDOC_CAMPO_PS,
                              QD_TIPDOC_FILTRO_PS, QD_DOC_PS, QD_DOC_CAMPO_PS, QD_ORIGEM_VINCULO_DOC_PS,
                              QD_DOC_FILTRO_PS, tagSIZE, QD_ARRAY_DOC_THUMBNAIL_PS, QD_DOC_THUMBNAIL_PS,
                              QD_VINCULO_DOC_PS, REG_ZTDMC, QD_RELATORIO_PS, QD_RELATORIO_FLAGS,
                              QD_BATCH_GRAVA_LOG_PS, QD_LOG_PS, QD_LOG_PTRS_PS>;

// Calls check(T{}) for every record type T.
template <class F>
void ForEachRecord(F&& check) {
    std::apply([&](auto... records) { (check(records), ...); }, AllRecords{});
}

// The wire bytes of one value.
template <class T>
platform::com::Bytes Encode(const T& value) {
    platform::com::Bytes bytes;
    WireWriter out(bytes);
    Codec<T>::Encode(out, value);
    return bytes;
}

}  // namespace server::idl::testing
