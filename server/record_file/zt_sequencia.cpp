#include "server/record_file/zt_sequencia.h"

#include "server/record_file/record_file_codes.h"

#include <limits>

int ZTGravaSequencia(CZTArqEx& arquivo, const void* registros, std::int32_t quantidade,
                     std::int32_t quantidadeGravada, std::int32_t& primeiro) {
    if (quantidade < 0) return ZT_ERR_ARQ_FIM;
    if (quantidade == 0) return 0;
    if (quantidade > quantidadeGravada) primeiro = 0;
    if (primeiro < 0 || primeiro > std::numeric_limits<std::int32_t>::max() - (quantidade - 1)) {
        return ZT_ERR_ARQ_POSICIONAMENTO;
    }
    // The whole run in one write: one system call however long the list.
    return arquivo.WriteRecords(registros, static_cast<std::uint32_t>(quantidade), primeiro);
}

int ZTLeSequencia(CZTArqEx& arquivo, std::int32_t primeiro, std::int32_t quantidade, std::vector<char>& registros) {
    registros.clear();
    if (quantidade < 0) return ZT_ERR_ARQ_FIM;
    if (quantidade == 0) return 0;
    const std::int64_t ultima = static_cast<std::int64_t>(primeiro) + quantidade - 1;
    if (primeiro < 1 || ultima > arquivo.RecordCount()) return ZT_ERR_ARQ_FIM;
    const std::uint32_t tamanho = arquivo.GetTamanhoRegistro();
    registros.resize(static_cast<std::size_t>(quantidade) * tamanho);
    for (std::int32_t i = 0; i < quantidade; ++i) {
        if (const int codigo = arquivo.ReadRecord(primeiro + i, registros.data() + static_cast<std::size_t>(i) * tamanho)) {
            registros.clear();
            return codigo;
        }
    }
    return 0;
}
