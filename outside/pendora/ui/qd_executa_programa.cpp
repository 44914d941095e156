// The launcher of the module's programs. Every program lies in the module's installation folder
// (value "Path" of the module's key, which the embedded default sets to the folder the build puts
// the programs in), else beside the running program. The started program gets the running one's
// company, branch and session as the switches the suite's command line reads (/E, /U, /L), so it
// opens the same company for the same user without the company choice.
#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_fc_acesso.h"
#include "outside/pendora/qd_app_info.h"
#include "outside/pendora/ui/qd_mensagem.h"
#include "platform/interaction.h"
#include "platform/system/process_info.h"
#include "platform/system/process_spawn.h"
#include "platform/text/codepage.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/file/zt_path.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The launcher's messages of the module's message file.
constexpr int kMsgProgramaForaDaInstalacao = 50;  // %s: the program
constexpr int kMsgProgramaNaoIniciado = 51;       // %s: the program, %s: the folder searched

// The suite's programs of users and of companies and branches, which this installation replaces
// with the administration tool.
constexpr std::array<const char*, 2> kProgramasForaDaInstalacao{"Ombrel", "Teskar"};

bool ForaDaInstalacao(const char* programa) {
    for (const char* fora : kProgramasForaDaInstalacao) {
        if (std::strcmp(programa, fora) == 0) return true;
    }
    return false;
}

CZTString PastaDosProgramas() {
    CZTString pasta = ZTGetDiretorioModulo(ZT_MODULO_GED);
    if (!pasta.IsEmpty()) return pasta;
    platform::String programa;
    if (platform::ModulePath(programa) != 0) return {};
    return ZTExtraiDiretorio(programa);
}

// The program's path, then the company's switches when a company with a branch is open (without
// them the program asks for the company as when started by hand); UTF-8, one argument each.
std::vector<std::string> LinhaDeComando(const CZTString& caminho) {
    std::vector<std::string> argumentos{platform::Utf8FromAnsi(caminho.str())};
    const CZTKelvoAppInfo* info = ZTGetAppInfo();
    if (!info || !info->TemEmpresa() || info->GetFilial() == 0) return argumentos;
    argumentos.push_back(platform::Utf8FromAnsi("/E" + info->GetEmpresa().str()));
    argumentos.push_back("/U" + std::to_string(info->GetFilial()));
    argumentos.push_back("/L" + std::to_string(info->GetNumeroSecao()));
    return argumentos;
}

}  // namespace

bool CQDAppInfo::ExecutaPrograma(const char* szPrograma) {
    const char* programa = szPrograma ? szPrograma : "";
    if (ForaDaInstalacao(programa)) {
        QDMensagemFmt(ZTGetMainWnd(), kMsgProgramaForaDaInstalacao, platform::MB_OK | platform::MB_ICONINFORMATION,
                      programa);
        return false;
    }
    const CZTString pasta = PastaDosProgramas();
    pid_t processo = 0;
    if (*programa && platform::SpawnDetached(LinhaDeComando(ZTConcatenaPath(pasta, programa)), &processo) == 0) {
        return true;
    }
    QDMensagemFmt(ZTGetMainWnd(), kMsgProgramaNaoIniciado, platform::MB_OK | platform::MB_ICONEXCLAMATION, programa,
                  pasta.GetString());
    return false;
}
