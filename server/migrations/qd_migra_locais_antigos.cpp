#include "server/migrations/qd_migra_locais_antigos.h"

#include "server/migrations/qd_contexto_migracao.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/file/zt_path.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using platform::HRESULT;

// The layout QDLOCARQ.DAT has now.
struct Layout {
    std::uint32_t nTamanho;
    std::uint32_t nOffsetImportacao;
};
constexpr Layout kLayout128{sizeof(QD_LOCARQ_ARQ_1), QD_OFFSET_IMPORTACAO_128};
constexpr Layout kLayout160{sizeof(QD_LOCARQ_ARQ), QD_OFFSET_IMPORTACAO_160};

// DFLOCARM.DAT in the base module's data folder; empty when the company has no such folder.
CZTString CaminhoLegado(const CZTString& empresa) {
    const CZTString pasta = ZTGetDiretorioEmpresa(ZT_MODULO_EMPRESARIAL, empresa);
    if (pasta.IsEmpty()) return pasta;
    return ZTConcatenaPath(pasta, DF_ARQ_LOCARM);
}

std::int32_t UltimaPosicao(CZTArqEx& arquivo) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(arquivo.RecordCount(), 0, std::numeric_limits<std::int32_t>::max()));
}

// The record of a legacy location in the layout `layout`.
std::vector<std::uint8_t> RegistroDe(const DF_LOCARM_ARQ& legado, const Layout& layout) {
    std::vector<std::uint8_t> bytes(layout.nTamanho, 0);
    const QD_LOCARQ_ARQ_1 antigo = QDLocArq1DeLegado(legado);
    if (layout.nTamanho == sizeof antigo) {
        std::memcpy(bytes.data(), &antigo, sizeof antigo);
    } else {
        const QD_LOCARQ_ARQ novo = QDLocArqDeLocArq1(antigo);
        std::memcpy(bytes.data(), &novo, sizeof novo);
    }
    return bytes;
}

class CImportacao {
public:
    CImportacao(CZTArqEx& locais, CZTArqEx& legados, const Layout& layout)
        : m_locais(locais), m_legados(legados), m_layout(layout), m_cabecalho(layout.nTamanho, 0) {}

    int Executa() {
        if (const int codigo = m_locais.ReadRecord(0, m_cabecalho.data())) return codigo;
        QD_LOCARQ_IMPORTACAO_ARQ progresso{};
        std::memcpy(&progresso, m_cabecalho.data() + m_layout.nOffsetImportacao, sizeof progresso);
        const std::int32_t qtdLocais = UltimaPosicao(m_locais);
        std::int64_t feitos = 0;
        if (std::memcmp(progresso.szMarca, QD_MARCA_IMPORTACAO, sizeof progresso.szMarca) == 0) {
            if (progresso.bConcluida) return 0;
            feitos = static_cast<std::int64_t>(qtdLocais) - progresso.lBase;
            if (feitos < 0) return ZT_ERR_ARQ_INVALIDO;
        } else {
            std::memcpy(progresso.szMarca, QD_MARCA_IMPORTACAO, sizeof progresso.szMarca);
            progresso.lBase = static_cast<std::uint32_t>(qtdLocais);
            if (const int codigo = GravaProgresso(progresso)) return codigo;
        }
        if (const int codigo = Anexa(feitos)) return codigo;
        progresso.bConcluida = 1;
        return GravaProgresso(progresso);
    }

private:
    int GravaProgresso(const QD_LOCARQ_IMPORTACAO_ARQ& progresso) {
        std::memcpy(m_cabecalho.data() + m_layout.nOffsetImportacao, &progresso, sizeof progresso);
        return m_locais.WriteHeader(m_cabecalho.data(), m_layout.nTamanho);
    }

    // The legacy records after the first `feitos`, in order.
    int Anexa(std::int64_t feitos) {
        const std::int32_t qtdLegados = UltimaPosicao(m_legados);
        for (std::int64_t posicao = feitos + 1; posicao <= qtdLegados; ++posicao) {
            DF_LOCARM_ARQ legado{};
            if (const int codigo = m_legados.ReadRecord(static_cast<std::int32_t>(posicao), &legado)) return codigo;
            const std::vector<std::uint8_t> registro = RegistroDe(legado, m_layout);
            std::int32_t escrito = 0;
            if (const int codigo = m_locais.WriteRecord(registro.data(), escrito)) return codigo;
        }
        return 0;
    }

    CZTArqEx& m_locais;
    CZTArqEx& m_legados;
    const Layout& m_layout;
    std::vector<std::uint8_t> m_cabecalho;
};

int Importa(CQDContextoMigracao& contexto, const CZTString& caminhoLegado, const Layout& layout) {
    CZTArqEx locais;
    if (const int codigo = locais.Open(contexto.Caminho(QD_ARQ_LOCARQ), 'G', layout.nTamanho, true, true)) return codigo;
    CZTArqEx legados;
    if (const int codigo = legados.Open(caminhoLegado, 'L', sizeof(DF_LOCARM_ARQ), false, true)) return codigo;
    if (const int codigo = CImportacao(locais, legados, layout).Executa()) return codigo;
    (void)legados.CloseEx();
    return locais.CloseEx();
}

}  // namespace

HRESULT QDMigraLocaisAntigos(CQDContextoMigracao& contexto) {
    if (contexto.Trava() != 0) return platform::S_OK;
    QD_PROPRIEDADES_ARQ marcas{};
    if (const HRESULT hr = contexto.LeMarcas(marcas); platform::FAILED(hr)) return hr;
    if (marcas.bFlags & QD_MIGRACAO_LOCAIS_ANTIGOS) return platform::S_OK;

    const CZTString legado = CaminhoLegado(contexto.Empresa());
    if (!legado.IsEmpty() && contexto.Operacoes().Existe(legado)) {
        const Layout& layout = marcas.iVersaoSistema != 0 ? kLayout160 : kLayout128;
        if (const int codigo = Importa(contexto, legado, layout)) return QDHResultArq(codigo);
    }
    return contexto.MarcaFlag(QD_MIGRACAO_LOCAIS_ANTIGOS);
}
