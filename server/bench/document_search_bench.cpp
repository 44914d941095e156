// The document figures of a realistic company through the real Vaultis process and the client
// library, on one processor, printed beside their targets:
//   - GravaDoc without content, documents per second while the company is generated;
//   - BuscaPtrsDoc with a typical criteria filter (a type group, an inclusion-time range and a
//     location group, no text), and the same with a description word;
//   - BuscaRapida with two words;
//   - the growth of the server's resident memory while it searches (both methods).
// Searches are warm: one untimed call first, then the median of several calls.
//
// The run is private: a registry store and the demo company in a temporary folder, removed at
// the end. The company (100 types, 300 locations, users) grows to each requested size in turn
// (default 10,000 and then 100,000 documents) and is measured at each. The program and the
// server it starts are bound to one processor (the last one allowed, or --cpu).
//
// Usage: document_search_bench [--docs N]... [--cpu C] [--repeticoes K] [--usuario U]
//                              [--so-gravacao]
//   --docs N        a company size to measure (repeatable; ascending order is used)
//   --cpu C         the processor to run on
//   --repeticoes K  timed calls per search (default 7)
//   --usuario U     the user of the search session (default 2, a user without full access)
//   --so-gravacao   generate and time GravaDoc only, no searches
// Exit code 0 when every measured figure was taken (a missed target is not a failure), 1 otherwise.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "programs/setup/embedded_default.h"
#include "server/bench/bench_environment.h"
#include "server/bench/company_generator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using kelvo::bench::EmpresaGerada;
using platform::HRESULT;

constexpr char kPalavraDescricao[] = "fornecedor";
constexpr char kPalavrasRapida[] = "contrato pagamento";
constexpr double kMemoriaMaximaMb = 64.0;
constexpr double kGravaDocMinimo = 1000.0;

struct Opcoes {
    std::vector<std::uint32_t> tamanhos;
    int cpu = -1;
    int repeticoes = 7;
    std::uint16_t usuario = 2;
    bool soGravacao = false;
};

bool LeOpcoes(int argc, char** argv, Opcoes& opcoes) {
    for (int i = 1; i < argc; ++i) {
        const std::string nome = argv[i];
        const bool temValor = i + 1 < argc;
        if (nome == "--so-gravacao") {
            opcoes.soGravacao = true;
        } else if (nome == "--docs" && temValor) {
            const long n = std::strtol(argv[++i], nullptr, 10);
            if (n <= 0 || n > 10'000'000) return false;
            opcoes.tamanhos.push_back(static_cast<std::uint32_t>(n));
        } else if (nome == "--cpu" && temValor) {
            opcoes.cpu = static_cast<int>(std::strtol(argv[++i], nullptr, 10));
        } else if (nome == "--repeticoes" && temValor) {
            opcoes.repeticoes = static_cast<int>(std::strtol(argv[++i], nullptr, 10));
            if (opcoes.repeticoes < 1 || opcoes.repeticoes > 1000) return false;
        } else if (nome == "--usuario" && temValor) {
            const long u = std::strtol(argv[++i], nullptr, 10);
            if (u < 1 || u > 65535) return false;
            opcoes.usuario = static_cast<std::uint16_t>(u);
        } else {
            return false;
        }
    }
    if (opcoes.tamanhos.empty()) opcoes.tamanhos = {10'000, 100'000};
    std::sort(opcoes.tamanhos.begin(), opcoes.tamanhos.end());
    opcoes.tamanhos.erase(std::unique(opcoes.tamanhos.begin(), opcoes.tamanhos.end()), opcoes.tamanhos.end());
    return true;
}

// The search targets the issue gives for a company size, in milliseconds; none for other sizes.
struct Alvos {
    std::optional<double> buscaPtrsDoc;
    std::optional<double> buscaRapida;
};
Alvos AlvosDe(std::uint32_t documentos) {
    if (documentos == 10'000) return {50.0, 100.0};
    if (documentos == 100'000) return {150.0, 500.0};
    return {};
}

const char* Veredito(bool passa) { return passa ? "PASS" : "MISS"; }

void ImprimeFalha(const char* oque, HRESULT hr) {
    std::printf("  %-34s failed, HRESULT 0x%08X%s\n", oque, static_cast<unsigned>(hr),
                hr == platform::E_NOTIMPL ? " (not built yet)" : "");
}

// The timings of one search: its median, extremes and the count it found.
struct Tempos {
    HRESULT hr = platform::S_OK;
    double medianaMs = 0, minimoMs = 0, maximoMs = 0;
    std::uint32_t encontrados = 0;
};

// One untimed call, then `repeticoes` timed ones; stops at the first failure.
Tempos Mede(const std::function<HRESULT(std::uint32_t&)>& busca, int repeticoes) {
    Tempos tempos;
    std::uint32_t encontrados = 0;
    if ((tempos.hr = busca(encontrados)) != platform::S_OK) return tempos;
    std::vector<double> ms;
    for (int i = 0; i < repeticoes; ++i) {
        const auto inicio = std::chrono::steady_clock::now();
        tempos.hr = busca(encontrados);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count());
        if (tempos.hr != platform::S_OK) return tempos;
    }
    std::sort(ms.begin(), ms.end());
    tempos.medianaMs = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    tempos.minimoMs = ms.front();
    tempos.maximoMs = ms.back();
    tempos.encontrados = encontrados;
    return tempos;
}

void ImprimeBusca(const char* nome, const Tempos& tempos, std::optional<double> alvoMs, int repeticoes) {
    if (tempos.hr != platform::S_OK) {
        ImprimeFalha(nome, tempos.hr);
        return;
    }
    char alvo[64] = "target: none given";
    if (alvoMs) std::snprintf(alvo, sizeof alvo, "target <= %.0f ms  %s", *alvoMs, Veredito(tempos.medianaMs <= *alvoMs));
    std::printf("  %-34s %9.2f ms median  %-24s (min %.2f, max %.2f over %d calls; %u found)\n", nome, tempos.medianaMs,
                alvo, tempos.minimoMs, tempos.maximoMs, repeticoes, tempos.encontrados);
}

// The typical criteria filter: the third type group, the second location group, the middle half
// of the inclusion times; optionally a description word.
CQDDocFiltro FiltroTipico(const EmpresaGerada& empresa, const char* palavra) {
    CQDDocFiltro filtro;
    QD_DOC_FILTRO_PS& ps = filtro.GetPS();
    ps.nQtdTipDoc = 1;
    ps.pTipDoc = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(sizeof(std::uint32_t)));
    if (ps.pTipDoc) {
        ps.pTipDoc[0] = empresa.gruposTipos[std::min<std::size_t>(2, empresa.gruposTipos.size() - 1)];
    } else {
        ps.nQtdTipDoc = 0;
    }
    ps.lLocArq = empresa.gruposLocais[std::min<std::size_t>(1, empresa.gruposLocais.size() - 1)];
    const std::uint32_t janela = empresa.dataUltimaInclusao - empresa.dataPrimeiraInclusao;
    ps.dataInclusaoIni = empresa.dataPrimeiraInclusao + janela / 4;
    ps.dataInclusaoFim = empresa.dataUltimaInclusao - janela / 4;
    if (palavra) ps.bsDescricao = platform::SysAllocStringFromAnsi(palavra);
    return filtro;
}

std::function<HRESULT(std::uint32_t&)> BuscaPtrs(CConexaoGedSrv& conexao, const CQDDocFiltro& filtro) {
    return [&conexao, &filtro](std::uint32_t& encontrados) {
        CQDArrayPonteiros ptrs;
        const HRESULT hr = conexao.BuscaPtrsDoc(filtro, ptrs);
        encontrados = ptrs->qtd;
        return hr;
    };
}

std::function<HRESULT(std::uint32_t&)> BuscaRapida(CConexaoGedSrv& conexao, const char* texto) {
    return [&conexao, texto](std::uint32_t& encontrados) {
        CQDArrayPonteiros ptrs;
        const platform::BSTR bs = platform::SysAllocStringFromAnsi(texto);
        const HRESULT hr = conexao.BuscaRapida(bs, 0, ptrs);
        platform::SysFreeString(bs);
        encontrados = ptrs->qtd;
        return hr;
    };
}

void ImprimeGravacao(const kelvo::bench::MedidaGravacao& medida) {
    const double taxa = medida.segundosGravaDoc > 0 ? medida.nQtdDocumentos / medida.segundosGravaDoc : 0;
    std::printf("  %-34s %9.0f docs/s       target >= %.0f docs/s  %s  (%u documents: %.2f s in GravaDoc, %.2f s in all)\n",
                "GravaDoc without content", taxa, kGravaDocMinimo, Veredito(taxa >= kGravaDocMinimo),
                medida.nQtdDocumentos, medida.segundosGravaDoc, medida.segundosTotal);
}

double Mb(long kb) { return static_cast<double>(kb) / 1024.0; }

// The machine's load averages: the figures of a shared machine are only as good as its quiet.
std::string Carga() {
    std::FILE* arquivo = std::fopen("/proc/loadavg", "r");
    if (!arquivo) return "unknown";
    double um = 0, cinco = 0, quinze = 0;
    const bool lido = std::fscanf(arquivo, "%lf %lf %lf", &um, &cinco, &quinze) == 3;
    std::fclose(arquivo);
    if (!lido) return "unknown";
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.1f %.1f %.1f", um, cinco, quinze);
    return texto;
}

// The searches of one company size on a session of `usuario`; false when one failed.
bool MedeBuscas(const EmpresaGerada& empresa, pid_t servidor, const Opcoes& opcoes) {
    CSilentConexaoGedSrv conexao;
    if (const HRESULT hr = conexao.Inicializa(kelvo::setup::kDemoCompany, opcoes.usuario, 2); hr != platform::S_OK) {
        ImprimeFalha("search session", hr);
        return false;
    }
    kelvo::bench::MemoriaProcesso antes, depois;
    const bool temMemoria = servidor != 0 && kelvo::bench::LeMemoria(servidor, antes);
    const bool picoZerado = temMemoria && kelvo::bench::ZeraPicoMemoria(servidor);

    std::printf("  (load average before the searches: %s)\n", Carga().c_str());
    const Alvos alvos = AlvosDe(empresa.nQtdDocumentos);
    const CQDDocFiltro tipico = FiltroTipico(empresa, nullptr);
    const CQDDocFiltro comPalavra = FiltroTipico(empresa, kPalavraDescricao);
    const Tempos ptrs = Mede(BuscaPtrs(conexao, tipico), opcoes.repeticoes);
    ImprimeBusca("BuscaPtrsDoc criteria", ptrs, alvos.buscaPtrsDoc, opcoes.repeticoes);
    const Tempos ptrsPalavra = Mede(BuscaPtrs(conexao, comPalavra), opcoes.repeticoes);
    ImprimeBusca("BuscaPtrsDoc criteria + word", ptrsPalavra, std::nullopt, opcoes.repeticoes);
    const Tempos rapida = Mede(BuscaRapida(conexao, kPalavrasRapida), opcoes.repeticoes);
    ImprimeBusca("BuscaRapida two words", rapida, alvos.buscaRapida, opcoes.repeticoes);

    if (temMemoria && kelvo::bench::LeMemoria(servidor, depois)) {
        // Without a reset the peak may be the generation's; the growth is then an upper bound.
        const double crescimento = Mb(depois.vmHwmKb - antes.vmRssKb);
        std::printf("  %-34s %+9.1f MB           target < %.0f MB  %s  (VmRSS %.1f MB before, %.1f MB after, "
                    "peak %.1f MB%s)\n",
                    "Server memory while searching", crescimento, kMemoriaMaximaMb,
                    Veredito(crescimento < kMemoriaMaximaMb), Mb(antes.vmRssKb), Mb(depois.vmRssKb), Mb(depois.vmHwmKb),
                    picoZerado ? "" : "; peak not reset: includes the generation");
    } else {
        std::printf("  %-34s unknown (the server's status could not be read)\n", "Server memory while searching");
    }
    return ptrs.hr == platform::S_OK && ptrsPalavra.hr == platform::S_OK && rapida.hr == platform::S_OK;
}

std::string Lista(const std::vector<int>& processadores) {
    std::string texto;
    for (const int cpu : processadores) {
        if (!texto.empty()) texto += ',';
        texto += std::to_string(cpu);
    }
    return texto.empty() ? "?" : texto;
}

// Generates and measures every size; false when something failed.
bool Executa(const Opcoes& opcoes, const kelvo::bench::AmbienteBench& ambiente, int cpu) {
    CSilentConexaoGedSrv conexao;
    if (const HRESULT hr = conexao.Inicializa(kelvo::setup::kDemoCompany, kelvo::setup::kDemoUser, 1);
        hr != platform::S_OK) {
        ImprimeFalha("generation session", hr);
        return false;
    }
    const pid_t servidor = kelvo::bench::ProcuraServidor(KELVO_VAULTIS, ambiente.PastaRegistro());
    if (servidor != 0 && !kelvo::bench::FixaProcessador(servidor, cpu)) {
        std::printf("warning: the server could not be bound to processor %d\n", cpu);
    }
    std::printf("Server process %d on processor(s) %s; this program on %s\n", static_cast<int>(servidor),
                Lista(kelvo::bench::ProcessadoresDe(servidor)).c_str(),
                Lista(kelvo::bench::ProcessadoresPermitidos()).c_str());

    kelvo::bench::GeradorEmpresa gerador(conexao, kelvo::setup::kDemoCompany, ambiente.PastaEmpresa());
    if (const HRESULT hr = gerador.GeraCadastros(); hr != platform::S_OK) {
        ImprimeFalha("company set-up", hr);
        return false;
    }
    const EmpresaGerada& empresa = gerador.Gerada();
    bool ok = true;
    for (const std::uint32_t tamanho : opcoes.tamanhos) {
        kelvo::bench::MedidaGravacao medida;
        const HRESULT hr = gerador.GeraDocumentos(tamanho - empresa.nQtdDocumentos, &medida);
        std::printf("\nN = %u documents (%zu types, %zu locations, %zu users besides the supervisor, %u links; "
                    "descriptions of about 1 KB; load average %s)\n",
                    empresa.nQtdDocumentos, empresa.gruposTipos.size() + empresa.tipos.size(),
                    empresa.gruposLocais.size() + empresa.subgruposLocais.size() + empresa.locais.size(),
                    empresa.usuarios.size(), empresa.nQtdVinculos, Carga().c_str());
        ImprimeGravacao(medida);
        if (hr != platform::S_OK) {
            ImprimeFalha("document generation", hr);
            return false;
        }
        if (!opcoes.soGravacao) ok = MedeBuscas(empresa, servidor, opcoes) && ok;
        std::fflush(stdout);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    Opcoes opcoes;
    if (!LeOpcoes(argc, argv, opcoes)) {
        std::fprintf(stderr,
                     "usage: document_search_bench [--docs N]... [--cpu C] [--repeticoes K] [--usuario U] "
                     "[--so-gravacao]\n");
        return 1;
    }
    const std::vector<int> permitidos = kelvo::bench::ProcessadoresPermitidos();
    const int cpu = opcoes.cpu >= 0 ? opcoes.cpu : (permitidos.empty() ? 0 : permitidos.back());
    if (!kelvo::bench::FixaProcessador(0, cpu)) {
        std::fprintf(stderr, "document_search_bench: cannot bind to processor %d\n", cpu);
        return 1;
    }
    if (!kelvo::bench::AdotaServidores()) std::fprintf(stderr, "warning: the servers cannot be waited for\n");
    bool ok = false;
    {
        kelvo::bench::AmbienteBench ambiente;
        std::string erro;
        if (!ambiente.Prepara(KELVO_VAULTIS, erro)) {
            std::fprintf(stderr, "document_search_bench: %s\n", erro.c_str());
            return 1;
        }
        std::printf("Private store %s; searches as user %u, one untimed call then %d timed; words \"%s\" and \"%s\"\n",
                    ambiente.Pasta().c_str(), opcoes.usuario, opcoes.repeticoes, kPalavraDescricao, kPalavrasRapida);
        ok = Executa(opcoes, ambiente, cpu);
        // Every connection is released by now: the server ends by itself.
        if (!kelvo::bench::EsperaServidores(30)) std::fprintf(stderr, "warning: a server did not end in time\n");
    }
    return ok ? 0 : 1;
}
