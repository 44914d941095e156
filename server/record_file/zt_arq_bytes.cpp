#include "server/record_file/zt_arq_bytes.h"

#include "server/record_file/record_file_codes.h"

#include <limits>

namespace {

constexpr char kCabecalho = '\0';

// Moves to the end for an append; the offset the string will start at in `inicio` (never 0).
int PosicionaNoFim(CZTArqEx& arquivo, std::int64_t& inicio) {
    if (const int codigo = arquivo.SeekEx('F', 0, inicio)) return codigo;
    if (inicio == 0) {
        if (const int codigo = arquivo.WriteHeader(&kCabecalho, 1)) return codigo;
        inicio = 1;
    }
    return 0;
}

}  // namespace

int ZTGravaBytesArq(CZTArqEx& arquivo, const void* dados, std::int32_t tamanho, std::int32_t tamanhoGravado,
                    std::int32_t& offset) {
    if (tamanho < 0) return ZT_ERR_ARQ_FIM;
    if (tamanho == 0) {
        offset = 0;
        return 0;
    }
    if (tamanho > tamanhoGravado) offset = 0;
    std::int64_t inicio = offset;
    if (offset == 0) {
        if (const int codigo = PosicionaNoFim(arquivo, inicio)) return codigo;
        if (inicio > std::numeric_limits<std::int32_t>::max()) return ZT_ERR_ARQ_POSICIONAMENTO;
    } else if (const int codigo = arquivo.SeekEx('P', offset, inicio)) {
        return codigo;
    }
    if (const int codigo = arquivo.WriteBytes(static_cast<std::uint32_t>(tamanho), dados)) return codigo;
    offset = static_cast<std::int32_t>(inicio);
    return 0;
}

int ZTLeBytesArq(CZTArqEx& arquivo, std::int32_t offset, std::int32_t tamanho, std::string& dados) {
    dados.clear();
    if (tamanho < 0) return ZT_ERR_ARQ_FIM;
    if (tamanho == 0) return 0;
    std::int64_t comprimento = 0;
    if (const int codigo = arquivo.SeekEx('F', 0, comprimento)) return codigo;
    if (offset < 1 || offset >= comprimento || tamanho > comprimento - offset) return ZT_ERR_ARQ_FIM;
    std::int64_t posicao = 0;
    if (const int codigo = arquivo.SeekEx('P', offset, posicao)) return codigo;
    dados.resize(static_cast<std::size_t>(tamanho));
    if (const int codigo = arquivo.ReadBytes(static_cast<std::uint32_t>(tamanho), dados.data())) {
        dados.clear();
        return codigo;
    }
    return 0;
}
