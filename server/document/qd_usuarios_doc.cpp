#include "server/document/qd_usuarios_doc.h"

#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_sequencia.h"

#include <cstring>
#include <limits>

static_assert(sizeof(QD_DOC_CAMPO_ARQ) == sizeof(QD_DOC_CAMPO_PS), "a stored field value is the interface's byte for byte");
static_assert(offsetof(QD_DOC_CAMPO_PS, id) == offsetof(QD_DOC_CAMPO_ARQ, id));

namespace {

constexpr auto kMaximo = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

// Reads the run as raw records of the file's size; 16021 for counts no run can have.
int LeRun(CZTArqEx& arquivo, std::uint32_t primeiro, std::uint32_t quantidade, std::vector<char>& registros) {
    if (quantidade > kMaximo || primeiro > kMaximo) return ZT_ERR_ARQ_FIM;
    return ZTLeSequencia(arquivo, static_cast<std::int32_t>(primeiro), static_cast<std::int32_t>(quantidade), registros);
}

// The stored count to rewrite in place against: the stored one when that run lies inside the
// file, else 0, which sends the list to the end.
std::int32_t NoLugar(CZTArqEx& arquivo, std::uint32_t primeiro, std::uint32_t quantidadeGravada) {
    if (primeiro == 0 || quantidadeGravada == 0 || primeiro > kMaximo || quantidadeGravada > kMaximo) return 0;
    const std::int64_t ultima = static_cast<std::int64_t>(primeiro) + quantidadeGravada - 1;
    return ultima <= arquivo.RecordCount() ? static_cast<std::int32_t>(quantidadeGravada) : 0;
}

// Writes the records as a run and stores its first position.
int GravaRun(CZTArqEx& arquivo, const void* registros, std::size_t quantidade, std::uint32_t quantidadeGravada,
             std::uint32_t& primeiro) {
    if (quantidade > kMaximo) return ZT_ERR_ARQ_FIM;
    const std::int32_t gravada = NoLugar(arquivo, primeiro, quantidadeGravada);
    std::int32_t inicio = gravada == 0 ? 0 : static_cast<std::int32_t>(primeiro);
    if (const int codigo = ZTGravaSequencia(arquivo, registros, static_cast<std::int32_t>(quantidade), gravada, inicio)) {
        return codigo;
    }
    if (quantidade > 0) primeiro = static_cast<std::uint32_t>(inicio);
    return 0;
}

}  // namespace

int QDLeCodigosUsuarios(CZTArqEx& usuarios, std::uint32_t primeiro, std::uint32_t quantidade,
                        std::vector<std::uint16_t>& codigos) {
    codigos.clear();
    std::vector<char> registros;
    if (const int codigo = LeRun(usuarios, primeiro, quantidade, registros)) return codigo;
    const std::size_t tamanho = usuarios.GetTamanhoRegistro();
    codigos.resize(quantidade);
    for (std::size_t i = 0; i < codigos.size(); ++i) std::memcpy(&codigos[i], registros.data() + i * tamanho, sizeof codigos[i]);
    return 0;
}

int QDLeCamposDoc(CZTArqEx& campos, std::uint32_t primeiro, std::uint32_t quantidade,
                  std::vector<QD_DOC_CAMPO_PS>& valores) {
    valores.clear();
    std::vector<char> registros;
    if (const int codigo = LeRun(campos, primeiro, quantidade, registros)) return codigo;
    valores.resize(quantidade);
    if (quantidade > 0) std::memcpy(static_cast<void*>(valores.data()), registros.data(), registros.size());
    return 0;
}

std::vector<QD_DOC_USUARIO_ARQ> QDRegistrosUsuariosDoc(std::span<const std::uint16_t> codigos) {
    std::vector<QD_DOC_USUARIO_ARQ> registros(codigos.size(), QD_DOC_USUARIO_ARQ{});
    for (std::size_t i = 0; i < codigos.size(); ++i) registros[i].iUsuario = codigos[i];
    return registros;
}

std::vector<QD_DOC_CAMPO_ARQ> QDRegistrosCamposDoc(std::span<const QD_DOC_CAMPO_PS> valores) {
    std::vector<QD_DOC_CAMPO_ARQ> registros(valores.size(), QD_DOC_CAMPO_ARQ{});
    for (std::size_t i = 0; i < valores.size(); ++i) {
        std::memcpy(registros[i].BinaryData, valores[i].BinaryData, sizeof registros[i].BinaryData);
        registros[i].id = static_cast<std::int32_t>(valores[i].id);
    }
    return registros;
}

int QDGravaUsuariosDoc(CZTArqEx& usuarios, std::span<const std::uint16_t> codigos, std::uint32_t quantidadeGravada,
                       std::uint32_t& primeiro) {
    const std::vector<QD_DOC_USUARIO_ARQ> registros = QDRegistrosUsuariosDoc(codigos);
    return GravaRun(usuarios, registros.data(), registros.size(), quantidadeGravada, primeiro);
}

int QDGravaCamposDoc(CZTArqEx& campos, std::span<const QD_DOC_CAMPO_PS> valores, std::uint32_t quantidadeGravada,
                     std::uint32_t& primeiro) {
    const std::vector<QD_DOC_CAMPO_ARQ> registros = QDRegistrosCamposDoc(valores);
    return GravaRun(campos, registros.data(), registros.size(), quantidadeGravada, primeiro);
}
