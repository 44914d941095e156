#include "outside/modulos/zt_modulos_dados.h"

#include "platform/exception.h"
#include "platform/file/file.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/date/zt_data.h"
#include "util/file/zt_path.h"

#include <limits>
#include <sstream>

namespace {

constexpr platform::HRESULT kDadosInvalidos = platform::HResultFromWin32(platform::ERROR_INVALID_DATA);

// The blank-separated fields of one line.
std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    std::istringstream entrada(linha);
    for (std::string campo; entrada >> campo;) campos.push_back(campo);
    return campos;
}

// An unsigned decimal no greater than `maximo`.
bool Numero(const std::string& texto, std::uint32_t maximo, std::uint32_t& valor) {
    if (texto.empty() || texto.size() > 10) return false;
    std::uint64_t n = 0;
    for (const char c : texto) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (n > maximo) return false;
    valor = static_cast<std::uint32_t>(n);
    return true;
}

bool Numero32(const std::string& texto, std::uint32_t& valor) {
    return Numero(texto, std::numeric_limits<std::uint32_t>::max(), valor);
}

// A date dd/mm/yyyy that a short date holds (1927 .. 5 June 2106), as its stored value.
bool Data(const std::string& texto, std::uint16_t& dia) {
    const std::uint16_t valor = CZTData().SetTexto(texto.c_str()).GetDataCurta();
    if (valor == 0) return false;
    dia = valor;
    return true;
}

bool Configuracao(const std::vector<std::string>& c, ZTDadosModulos& dados) {
    std::uint32_t offset = 0, valor = 0;
    if (c.size() != 3 || !Numero(c[1], sizeof dados.configuracao - 1, offset) || !Numero(c[2], 255, valor)) {
        return false;
    }
    reinterpret_cast<std::uint8_t*>(&dados.configuracao)[offset] = static_cast<std::uint8_t>(valor);
    return true;
}

bool Titulo(const std::vector<std::string>& c, ZTDadosModulos& dados) {
    ZTTituloOrigem t;
    if (c.size() != 6 || !Numero32(c[1], t.eProc) || !Numero32(c[2], t.lChave) || (c[3] != "R" && c[3] != "P") ||
        !Data(c[4], t.titulo.iData) || !Numero32(c[5], t.titulo.lNumero)) {
        return false;
    }
    t.titulo.cTipo = static_cast<std::uint8_t>(c[3][0]);
    dados.titulos.push_back(t);
    return true;
}

bool Lote(const std::vector<std::string>& c, ZTDadosModulos& dados) {
    ZTLoteOrigem l;
    if (c.size() != 4 || !Numero32(c[1], l.eProc) || !Numero32(c[2], l.lChave) || !Numero32(c[3], l.lLote)) return false;
    dados.lotes.push_back(l);
    return true;
}

bool Lancamento(const std::vector<std::string>& c, ZTDadosModulos& dados) {
    ZTLancamentoLote l;
    ZT_LANCAMENTO_PS& p = l.lancamento;
    if (c.size() != 6 || !Numero32(c[1], l.lLote) || !Numero32(c[2], p.eProcOrigem) || !Numero32(c[3], p.lChaveOrigem) ||
        !Data(c[4], p.iData) || !Numero32(c[5], p.lNumero)) {
        return false;
    }
    dados.lancamentos.push_back(l);
    return true;
}

bool Pedido(const std::vector<std::string>& c, std::vector<ZTPedidoOrigem>& lista) {
    ZTPedidoOrigem p;
    if (c.size() != 4 || !Numero32(c[1], p.lChaveMesAno) || !Numero32(c[2], p.pedido.lPedido) ||
        !Data(c[3], p.pedido.iData)) {
        return false;
    }
    lista.push_back(p);
    return true;
}

bool LeLinha(const std::string& linha, ZTDadosModulos& dados) {
    const std::vector<std::string> c = Campos(linha);
    if (c.empty() || c[0][0] == '#') return true;
    if (c[0] == "integracao") return Configuracao(c, dados);
    if (c[0] == "titulo") return Titulo(c, dados);
    if (c[0] == "lote") return Lote(c, dados);
    if (c[0] == "lancamento") return Lancamento(c, dados);
    if (c[0] == "pedido") return Pedido(c, dados.pedidos);
    if (c[0] == "contrato") return Pedido(c, dados.contratos);
    return false;
}

// The whole file at `caminho` into `texto`; false with `hr` on failure (a missing file is not one:
// true and an empty text).
bool LeArquivo(const CZTString& caminho, std::string& texto, platform::HRESULT& hr) {
    platform::File arquivo;
    platform::FileException erro;
    if (!arquivo.Open(caminho, platform::File::modeRead | platform::File::shareDenyNone, &erro)) {
        if (erro.m_cause == platform::FileException::fileNotFound) return true;
        hr = platform::HResultFromWin32(erro.m_lOsError > 0 ? static_cast<std::uint32_t>(erro.m_lOsError)
                                                            : platform::ERROR_PATH_NOT_FOUND);
        return false;
    }
    try {
        char bloco[4096];
        for (unsigned n; (n = arquivo.Read(bloco, sizeof bloco)) > 0;) {
            if (texto.size() + n > ZT_TAM_MAXIMO_DADOS_MODULOS) {
                hr = kDadosInvalidos;
                return false;
            }
            texto.append(bloco, n);
        }
    } catch (const platform::FileException& falha) {
        hr = platform::HResultFromWin32(falha.m_lOsError > 0 ? static_cast<std::uint32_t>(falha.m_lOsError)
                                                             : platform::ERROR_INVALID_DATA);
        return false;
    }
    return true;
}

}  // namespace

platform::HRESULT ZTLeDadosModulos(const std::string& texto, ZTDadosModulos& dados, int* pLinha) {
    dados = ZTDadosModulos{};
    std::istringstream entrada(texto);
    int numero = 0;
    for (std::string linha; std::getline(entrada, linha);) {
        ++numero;
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        if (LeLinha(linha, dados)) continue;
        dados = ZTDadosModulos{};
        if (pLinha) *pLinha = numero;
        return kDadosInvalidos;
    }
    return platform::S_OK;
}

CZTString ZTArquivoDadosModulos(const char* empresa) {
    const CZTString pasta = ZTGetDiretorioEmpresa(ZT_MODULO_EMPRESARIAL, empresa);
    if (pasta.IsEmpty()) return {};
    return ZTConcatenaPath(pasta, ZT_ARQUIVO_DADOS_MODULOS);
}

platform::HRESULT ZTCarregaDadosModulos(const char* empresa, ZTDadosModulos& dados) {
    dados = ZTDadosModulos{};
    const CZTString caminho = ZTArquivoDadosModulos(empresa);
    if (caminho.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    std::string texto;
    platform::HRESULT hr = platform::S_OK;
    if (!LeArquivo(caminho, texto, hr)) return hr;
    return ZTLeDadosModulos(texto, dados);
}
