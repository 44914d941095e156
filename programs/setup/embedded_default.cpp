#include "programs/setup/embedded_default.h"

#include "programs/setup/report_models.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/conexo/conexo_direitos.h"
#include "outside/conexo/conexo_empresa.h"
#include "outside/modulos/zt_modulos_servidores.h"
#include "platform/text/codepage.h"
#include "platform/file/file.h"
#include "platform/registry/registry.h"
#include "util/config/folders.h"
#include "util/config/module_table.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"
#include "util/file/zt_file_probe.h"
#include "util/file/zt_folder.h"
#include "util/file/zt_path.h"
#include "util/message/messages.h"

#include <array>
#include <cstring>

namespace kelvo::setup {

namespace {

// The suite's folder values and the sub-folder of the data root each one names by default.
struct FolderValue {
    const char* value;
    const char* folder;
};

constexpr std::array<FolderValue, 7> kFolders = {{
    {ZT_VALOR_MENSAGENS, "Mensagens"},
    {ZT_VALOR_RELATORIOS, "Relatorios"},
    {ZT_VALOR_AJUDA, "Ajuda"},
    {ZT_VALOR_CADASTROS, "Cadastros"},
    {ZT_VALOR_IMAGENS, "Imagens"},
    {ZT_VALOR_NFE, "NFe"},
    {ZT_VALOR_LOCAL, "Local"},
}};

CZTString Folder(const std::string& root, const char* relative) {
    CZTString path = ZTConcatenaPath(root.c_str(), relative);
    if (!path.TerminaCom("/")) path += '/';
    return path;
}

class Preparation {
public:
    explicit Preparation(PreparationReport& report) : report_(report) {}

    void EnsureFolder(const CZTString& folder) {
        if (ZTExisteCaminho(folder)) return;
        if (ZTCriaCaminho(folder)) {
            Changed("Pasta criada: " + folder);
        } else {
            Failed("N\xE3o foi poss\xEDvel criar a pasta " + folder);
        }
    }

    // Writes `text` into a value that is missing or empty; `replace` also overwrites a different one.
    void EnsureValue(const CZTString& key, const char* value, const CZTString& text, bool replace = false) {
        const CZTString current = ZTLeStringRegistry(platform::HKEY_LOCAL_MACHINE, key, value);
        if (current == text || (!current.IsEmpty() && !replace)) return;
        if (ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE, key, value, text) == 0) {
            Changed("Registro: " + ValuePath(key, value) + " = " + text);
        } else {
            Failed("N\xE3o foi poss\xEDvel gravar no registro " + ValuePath(key, value));
        }
    }

    void EnsureFile(const CZTString& path, const std::string& content) {
        if (ReadWhole(path) == content) return;
        platform::File file;
        if (!file.Open(path, platform::File::modeCreate | platform::File::modeWrite | platform::File::shareExclusive)) {
            Failed("N\xE3o foi poss\xEDvel gravar o arquivo " + path);
            return;
        }
        try {
            file.Write(content.data(), static_cast<unsigned>(content.size()));
            file.Close();
            Changed("Arquivo instalado: " + path);
        } catch (const platform::FileException&) {
            Failed("N\xE3o foi poss\xEDvel gravar o arquivo " + path);
        }
    }

    // The demo company's supervisor and its first branch, for the suite's user connection.
    void EnsureUserAndBranch(const char* company) {
        if (ConexoLeUsuario(company, kDemoUser, nullptr, nullptr) == CONEXO_E_USUARIO_INEXISTENTE) {
            REGUSU_PS user;
            user.iCodigo = kDemoUser;
            user.bSupervisor = 1;
            std::strncpy(user.szNome, kDemoUserName, sizeof user.szNome - 1);
            if (platform::SUCCEEDED(ConexoGravaUsuario(company, user, {kDemoBranch}))) {
                Changed(CZTString("Usu\xE1rio criado: ") + kDemoUserName);
            } else {
                Failed("N\xE3o foi poss\xEDvel criar o usu\xE1rio " + CZTString(kDemoUserName));
            }
        }
        CZTString name;
        if (ConexoLeNomeFilial(company, kDemoBranch, name) == CONEXO_E_FILIAL_INEXISTENTE) {
            const std::string branch = platform::AnsiFromUtf8(kDemoBranchName);
            if (platform::SUCCEEDED(ConexoGravaFilial(company, kDemoBranch, branch.c_str()))) {
                Changed("Filial criada: " + CZTString(branch.c_str()));
            } else {
                Failed("N\xE3o foi poss\xEDvel criar a filial " + CZTString(branch.c_str()));
            }
        }
    }

    // The demo company's name, when it has none.
    void EnsureCompanyName(const char* company) {
        CZTString name;
        if (platform::FAILED(ConexoLeNomeEmpresa(company, name)) || !name.IsEmpty()) return;
        if (platform::SUCCEEDED(ConexoGravaNomeEmpresa(company, kDemoCompanyName))) {
            Changed(CZTString("Nome da empresa: ") + kDemoCompanyName);
        } else {
            Failed(CZTString("N\xE3o foi poss\xEDvel gravar o nome da empresa ") + company);
        }
    }

    // The supervisor's rights, when none were ever stored (an emptied list stays empty).
    void EnsureSupervisorRights(const char* company) {
        std::vector<CONEXO_DIREITO> rights;
        bool stored = true;
        if (platform::FAILED(ConexoLeDireitos(company, kDemoUser, rights, &stored)) || stored) return;
        if (platform::SUCCEEDED(ConexoGravaDireitos(company, kDemoUser, DemoSupervisorRights()))) {
            Changed(CZTString("Direitos concedidos: ") + kDemoUserName);
        } else {
            Failed("N\xE3o foi poss\xEDvel gravar os direitos de " + CZTString(kDemoUserName));
        }
    }

    // The other modules' stand-in servers, served by `program`.
    void EnsureModules(const std::string& program) {
        if (ZTServidorModulosRegistrado(program.c_str())) return;
        if (platform::SUCCEEDED(ZTRegistraServidorModulos(program.c_str()))) {
            Changed("Servidores dos outros m\xF3" "dulos registrados: " + CZTString(program.c_str()));
        } else {
            Failed("N\xE3o foi poss\xEDvel registrar os servidores dos outros m\xF3" "dulos");
        }
    }

private:
    static CZTString ValuePath(const CZTString& key, const char* value) {
        return key.TerminaCom("\\") ? key + value : key + "\\" + value;
    }

    static std::string ReadWhole(const CZTString& path) {
        platform::File file;
        if (!file.Open(path, platform::File::modeRead | platform::File::shareDenyNone)) return {};
        std::string content;
        char buffer[4096];
        try {
            for (unsigned n; (n = file.Read(buffer, sizeof buffer)) > 0;) content.append(buffer, n);
        } catch (const platform::FileException&) {
            return {};
        }
        return content;
    }

    void Changed(const CZTString& line) { report_.changes.push_back(line.str()); }
    void Failed(const CZTString& line) { report_.failures.push_back(line.str()); }

    PreparationReport& report_;
};

}  // namespace

std::vector<CONEXO_DIREITO> DemoSupervisorRights() {
    std::vector<CONEXO_DIREITO> rights;
    for (std::uint16_t right = 1; right <= 16; ++right) rights.push_back({ZT_MODULO_GED, right});
    for (const std::uint16_t right : {2, 3, 33, 42}) rights.push_back({ZT_MODULO_EMPRESARIAL, right});
    return rights;
}

PreparationReport PrepareEmbeddedDefault(const std::string& dataRoot, const std::string& programFolder,
                                         const std::string& messageFile, const std::string& modulesProgram) {
    PreparationReport report;
    Preparation step(report);

    for (const auto& [value, folder] : kFolders) {
        step.EnsureValue(ZT_CHAVE_SUITE, value, Folder(dataRoot, folder));
        // The folder the registry names, which may be one an earlier set-up chose.
        const CZTString named = ZTGetDiretorio(value);
        if (!named.IsEmpty()) step.EnsureFolder(named);
    }

    const CZTString companyKey = CZTString(ZT_CHAVE_EMPRESAS) + kDemoCompany;
    const CZTString companyFolder = Folder(dataRoot, (CZTString("Dados/") + kDemoCompany).GetString());
    step.EnsureValue(companyKey, ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), companyFolder);
    step.EnsureValue(companyKey, ZTGetPrefixoModulo(ZT_MODULO_GED), Folder(companyFolder.str(), ZTGetPrefixoModulo(ZT_MODULO_GED)));
    for (int module : {ZT_MODULO_EMPRESARIAL, ZT_MODULO_GED}) {
        const CZTString named = ZTGetDiretorioEmpresa(module, kDemoCompany);
        if (!named.IsEmpty()) step.EnsureFolder(named);
    }

    step.EnsureCompanyName(kDemoCompany);
    step.EnsureUserAndBranch(kDemoCompany);
    step.EnsureSupervisorRights(kDemoCompany);

    step.EnsureValue(CZTString(ZT_CHAVE_SUITE) + ZTGetNomeModulo(ZT_MODULO_GED), ZT_VALOR_PATH,
                     Folder(programFolder, ""), /*replace=*/true);

    const CZTString messages = ZTGetDiretorioMensagens();
    if (!messages.IsEmpty()) {
        step.EnsureFile(ZTConcatenaPath(messages, ZTNomeArquivoMensagens(ZT_MODULO_GED)), messageFile);
    }
    const CZTString models = ZTGetDiretorioRelatorios();
    if (!models.IsEmpty()) {
        const CZTString prefix = ZTGetPrefixoModulo(ZT_MODULO_GED);
        for (const ReportModel& model : ModuleReportModels()) {
            const CZTString folder = Folder(ZTConcatenaPath(models, prefix).str(), model.code);
            step.EnsureFolder(folder);
            step.EnsureFile(ZTConcatenaPath(folder, (CZTString(model.name) + ".txt").GetString()), model.content);
        }
    }
    if (!modulesProgram.empty()) step.EnsureModules(modulesProgram);
    return report;
}

}  // namespace kelvo::setup
