#include "server/search/qd_codigos_admitidos.h"

#include "server/locations/qd_locarq_arq.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/search/qd_texto_fixo.h"
#include "server/types/qd_tipdoc_arq.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

// The last position a loop from 1 may read: the record count, within signed 32-bit positions.
std::int32_t UltimaPosicao(CZTArqEx& arquivo) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(arquivo.RecordCount(), 0, std::numeric_limits<std::int32_t>::max()));
}

bool IniciaComAlgum(std::string_view codigo, const std::vector<std::string>& prefixos) {
    return std::any_of(prefixos.begin(), prefixos.end(),
                       [codigo](const std::string& prefixo) { return codigo.starts_with(prefixo); });
}

// Marks every record of `arquivo` (layout T) whose code, as `Codigo` reads it, begins with one of
// `prefixos`.
template <class T, class Codigo>
int MarcaPrefixos(CZTArqEx& arquivo, const std::vector<std::string>& prefixos, Codigo codigo,
                  CQDPosicoesAdmitidas& admitidos) {
    std::vector<std::uint8_t>& marcas = admitidos.Marcas();
    marcas.clear();
    if (prefixos.empty()) return 0;
    const std::int32_t ultima = UltimaPosicao(arquivo);
    marcas.assign(static_cast<std::size_t>(ultima) + 1, 0);
    for (std::int32_t posicao = 1; posicao <= ultima; ++posicao) {
        T registro{};
        if (const int erro = arquivo.ReadRecord(posicao, &registro)) {
            marcas.clear();
            return erro;
        }
        marcas[static_cast<std::size_t>(posicao)] = IniciaComAlgum(codigo(registro), prefixos) ? 1 : 0;
    }
    return 0;
}

std::string_view CodigoTipo(const QD_TIPDOC_ARQ& tipo) { return QDTextoFixo(tipo.szCodigo); }
std::string_view CodigoLocal(const QD_LOCARQ_ARQ& local) { return QDTextoFixo(local.szCodigo); }

}  // namespace

int QDTiposAdmitidos(CZTArqEx& tipos, std::span<const std::uint32_t> listados, CQDPosicoesAdmitidas& admitidos) {
    admitidos.Marcas().clear();
    std::vector<std::string> prefixos;
    for (const std::uint32_t listado : listados) {
        if (listado == 0) continue;
        QD_TIPDOC_ARQ tipo{};
        if (const int erro = tipos.ReadRecord(static_cast<std::int32_t>(listado), &tipo)) return erro;
        prefixos.emplace_back(CodigoTipo(tipo));
    }
    return MarcaPrefixos<QD_TIPDOC_ARQ>(tipos, prefixos, CodigoTipo, admitidos);
}

int QDLocaisDoGrupo(CZTArqEx& locais, std::string_view codigoGrupo, CQDPosicoesAdmitidas& admitidos) {
    return MarcaPrefixos<QD_LOCARQ_ARQ>(locais, {std::string(codigoGrupo)}, CodigoLocal, admitidos);
}
