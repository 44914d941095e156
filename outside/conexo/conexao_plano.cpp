#include "outside/conexo/conexao_plano.h"

platform::HRESULT CConexaoPlano::Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao) {
    return Trata(Liga(szEmpresa, iUsuario, lNumeroSessao));
}
