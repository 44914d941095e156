#include "framework/application/zt_kelvo_app.h"

#include "framework/app/zt_kelvo_usuario.h"
#include "framework/application/zt_fc_parametros.h"
#include "framework/application/zt_kelvo_exception.h"
#include "framework/form/zt_fc_validador.h"
#include "outside/empral/ui/zt_escolha_empresa_janela.h"
#include "outside/empral/zt_emp.h"
#include "outside/mensor/zt_mensor.h"

#include <cstdlib>

CZTKelvoApp::CZTKelvoApp(CZTKelvoAppInfo* appInfo) {
    SetUsuario(new CZTKelvoUsuario);
    m_pAppInfo.reset(appInfo ? appInfo : new CZTKelvoAppInfo);
    m_pEscolhaAnterior = ZTInstalaEscolhaEmpresaJanela();
}

CZTKelvoApp::~CZTKelvoApp() { CZTEmp::SetEscolhaEmpresa(m_pEscolhaAnterior); }

bool CZTKelvoApp::TrataErro(CZTFCException& erro) {
    // Every error the suite raises is a CZTKelvoException; any other carries no extra value.
    const auto* erroKelvo = dynamic_cast<const CZTKelvoException*>(&erro);
    const std::int16_t extra = erroKelvo ? erroKelvo->GetExtra() : 0;
    const CZTString empresa = m_pAppInfo ? m_pAppInfo->GetEmpresa() : CZTString();
    return ZTTrataErro2(erro.GetCodigo(), erro.GetSubCodigo(), extra, empresa, erro.GetArquivoFonte(),
                        erro.GetLinha(), erro.GetCompilacao());
}

void CZTKelvoApp::MostraErroValidacao(CZTFCValidador* validador) {
    if (!validador || validador->GetNumeroMensagem() == 0) {
        CZTFCApp::MostraErroValidacao(validador);
        return;
    }
    const CZTString sistema = m_pAppInfo ? m_pAppInfo->GetSistema() : CZTString();
    ZTMensagem(validador->GetNumeroMensagem(), sistema);
}

void CZTKelvoApp::ProcessaLinhaComando(CZTFCParametros& parametros) {
    ParseCommandLine(parametros);
    const CZTString empresa = parametros.GetParametro('E');
    const auto filial = static_cast<std::uint16_t>(std::atoi(parametros.GetParametro('U')));
    const auto numeroSecao = static_cast<std::int32_t>(std::atol(parametros.GetParametro('L')));
    if (filial == 0 || empresa.IsEmpty() || !m_pAppInfo) return;
    m_pAppInfo->SetEmpresa(empresa, filial, numeroSecao);
}
