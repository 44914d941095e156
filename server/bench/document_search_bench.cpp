// The document figures of a realistic company through the real Vaultis process and the client
// library, on one processor, printed beside their targets:
//   - the company's making: generated (documents written straight into the record files) or
//     copied from the one kept from an earlier run;
//   - BuscaPtrsDoc with a typical criteria filter (a type group, an inclusion-time range and a
//     location group, no text), and the same with a description word;
//   - BuscaRapida with two words;
//   - beside each search, the raw read of the files it reads (read whole, warm cache);
//   - the growth of the server's own memory (RssAnon: mapped file pages do not count) while it
//     searches: before the first search, the peak watched from another processor, and after;
//   - GravaDoc without content, documents per second in the first 2 s after a registry write
//     and later, once the registry store has settled.
// Searches are warm: one untimed call first, then the median of several calls.
//
// The run is private: a registry store and the demo company in a temporary folder, removed at
// the end. Each size (default 10,000, 100,000 and 1,000,000 documents; 100 types, 300 locations,
// 8 users) is a company of its own, kept between runs in a folder of the kept companies
// (kept_company.h): generated when missing, changed or made from other parameters, else copied
// into the run's company folder; the searches and GravaDoc work on that copy, so the kept one
// stays unchanged. Each size gets a fresh server process. The program and the server are bound
// to one processor (the last one allowed, or --cpu); the memory watcher to another when there is
// one.
//
// Usage: document_search_bench [--docs N]... [--cpu C] [--repeticoes K] [--usuario U]
//                              [--guarda DIR] [--so-gravacao]
//   --docs N        a company size to measure (repeatable; ascending order is used)
//   --cpu C         the processor to run on
//   --repeticoes K  timed calls per search (default 7)
//   --usuario U     the user of the search session (default 2, a user without full access)
//   --guarda DIR    the folder of the kept companies (default $XDG_CACHE_HOME, else ~/.cache,
//                   then kelvo/document_search_bench)
//   --so-gravacao   make the companies and time GravaDoc only, no searches
// Exit code 0 when every measured figure was taken (a missed target is not a failure), 1 otherwise.
#include "outside/pendora/conexao_ged_srv.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "programs/setup/embedded_default.h"
#include "server/bench/bench_environment.h"
#include "server/bench/company_generator.h"
#include "server/bench/kept_company.h"
#include "server/bench/memory_sampler.h"
#include "server/bench/raw_read.h"
#include "server/record_file/qd_arquivos.h"
#include "util/config/registry_functions.h"
#include "util/config/registry_names.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvo::bench::EmpresaGerada;
using platform::HRESULT;

constexpr char kPalavraDescricao[] = "fornecedor";
constexpr char kPalavrasRapida[] = "contrato pagamento";
constexpr double kMemoriaMaximaMb = 64.0;
constexpr double kGravaDocMinimo = 20'000.0;
constexpr double kGeracaoMaximaS = 60.0;
constexpr std::uint32_t kLoteGravaDoc = 100;

// The files that grow with the documents and that each search opens (the record pass and the
// access rule's user lists; a description word adds the descriptions; the quick search adds the
// field values and the links). The types' and locations' files are a few kilobytes.
const std::vector<const char*> kArquivosCriterios = {QD_ARQ_DOC, QD_ARQ_DOC_USUARIO};
const std::vector<const char*> kArquivosPalavra = {QD_ARQ_DOC, QD_ARQ_DOC_USUARIO, QD_ARQ_DOC_DESCRICAO};
const std::vector<const char*> kArquivosRapida = {QD_ARQ_DOC, QD_ARQ_DOC_USUARIO, QD_ARQ_DOC_DESCRICAO,
                                                  QD_ARQ_DOC_CAMPO, QD_ARQ_VINCULO_DOC};

struct Opcoes {
    std::vector<std::uint32_t> tamanhos;
    int cpu = -1;
    int repeticoes = 7;
    std::uint16_t usuario = 2;
    fs::path guarda;
    bool soGravacao = false;
};

fs::path GuardaPadrao() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache) {
        return fs::path(cache) / "kelvo" / "document_search_bench";
    }
    const char* casa = std::getenv("HOME");
    return fs::path(casa && *casa ? casa : fs::temp_directory_path().c_str()) / ".cache" / "kelvo" /
           "document_search_bench";
}

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
        } else if (nome == "--guarda" && temValor) {
            opcoes.guarda = argv[++i];
        } else {
            return false;
        }
    }
    if (opcoes.tamanhos.empty()) opcoes.tamanhos = {10'000, 100'000, 1'000'000};
    if (opcoes.guarda.empty()) opcoes.guarda = GuardaPadrao();
    std::sort(opcoes.tamanhos.begin(), opcoes.tamanhos.end());
    opcoes.tamanhos.erase(std::unique(opcoes.tamanhos.begin(), opcoes.tamanhos.end()), opcoes.tamanhos.end());
    return true;
}

// A search target in milliseconds and where it comes from.
struct Alvo {
    double ms;
    const char* origem;
};

// The targets of the table; at sizes it leaves out, the first wave's where it gave one.
struct Alvos {
    std::optional<Alvo> buscaPtrsDoc;
    std::optional<Alvo> buscaRapida;
};
Alvos AlvosDe(std::uint32_t documentos) {
    if (documentos == 10'000) return {Alvo{50.0, "first wave"}, Alvo{100.0, "first wave"}};
    if (documentos == 100'000) return {Alvo{150.0, "first wave"}, Alvo{50.0, "issue 22"}};
    if (documentos == 1'000'000) return {Alvo{60.0, "issue 22"}, Alvo{500.0, "issue 22"}};
    return {};
}

const char* Veredito(bool passa) { return passa ? "PASS" : "MISS"; }

void ImprimeFalha(const char* oque, HRESULT hr) {
    std::printf("  %-34s failed, HRESULT 0x%08X%s\n", oque, static_cast<unsigned>(hr),
                hr == platform::E_NOTIMPL ? " (not built yet)" : "");
}

double Segundos(std::chrono::steady_clock::duration duracao) { return std::chrono::duration<double>(duracao).count(); }

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

// Where the run is: its company folder, its processors, the kept companies.
struct Contexto {
    const Opcoes& opcoes;
    const kelvo::bench::AmbienteBench& ambiente;
    int cpu;          // of this program and the server
    int cpuAmostra;   // of the memory watcher (-1: unbound)
};

// A session of `usuario` on the demo company in a server bound to the run's processor; the
// server's process id (0 when it cannot be found) or nullopt when the session failed.
std::optional<pid_t> AbreSessao(CSilentConexaoGedSrv& conexao, std::uint16_t usuario, const Contexto& contexto,
                                const char* oque) {
    if (const HRESULT hr = conexao.Inicializa(kelvo::setup::kDemoCompany, usuario, 2); hr != platform::S_OK) {
        ImprimeFalha(oque, hr);
        return std::nullopt;
    }
    const pid_t servidor = kelvo::bench::ProcuraServidor(KELVO_VAULTIS, contexto.ambiente.PastaRegistro());
    if (servidor != 0 && !kelvo::bench::FixaProcessador(servidor, contexto.cpu)) {
        std::printf("  warning: the server could not be bound to processor %d\n", contexto.cpu);
    }
    return servidor;
}

// Waits for the server of the last session to end, so that the next phase gets a fresh one.
void EsperaFimServidor() {
    if (!kelvo::bench::EsperaServidores(30)) std::printf("  warning: a server did not end in time\n");
}

void ImprimeGeracao(const char* como, double segundos, const std::string& detalhe) {
    std::printf("  %-34s %9.2f s            target < %.0f s  %s  (%s)\n", como, segundos, kGeracaoMaximaS,
                Veredito(segundos < kGeracaoMaximaS), detalhe.c_str());
}

// Generates the company of `tamanho` documents in the run's company folder and keeps it.
bool GeraEmpresa(std::uint32_t tamanho, const fs::path& guardada, const std::string& identidade,
                 const Contexto& contexto, EmpresaGerada& empresa) {
    const auto inicio = std::chrono::steady_clock::now();
    const fs::path pasta = contexto.ambiente.PastaEmpresa();
    std::string erro;
    if (!kelvo::bench::EsvaziaPasta(pasta, erro)) {
        std::printf("  company folder: %s\n", erro.c_str());
        return false;
    }
    kelvo::bench::MedidaGravacao medida;
    {
        CSilentConexaoGedSrv conexao;
        if (!AbreSessao(conexao, kelvo::setup::kDemoUser, contexto, "generation session")) return false;
        kelvo::bench::GeradorEmpresa gerador(conexao, kelvo::setup::kDemoCompany, contexto.ambiente.PastaEmpresa());
        if (const HRESULT hr = gerador.GeraCadastros(); hr != platform::S_OK) {
            ImprimeFalha("company set-up", hr);
            return false;
        }
        if (const HRESULT hr = gerador.GeraDocumentosDireto(tamanho, kelvo::setup::kDemoUser, &medida);
            hr != platform::S_OK) {
            ImprimeFalha("document generation", hr);
            return false;
        }
        empresa = gerador.Gerada();
    }
    EsperaFimServidor();
    const double gerado = Segundos(std::chrono::steady_clock::now() - inicio);
    if (!kelvo::bench::GuardaEmpresa(pasta, guardada, identidade, empresa, erro)) {
        std::printf("  keeping the company: %s\n", erro.c_str());
        return false;
    }
    char detalhe[160];
    std::snprintf(detalhe, sizeof detalhe, "documents straight into the files: %.2f s, %.0f docs/s; then kept in %.2f s",
                  medida.segundosTotal, medida.nQtdDocumentos / std::max(medida.segundosTotal, 1e-9),
                  Segundos(std::chrono::steady_clock::now() - inicio) - gerado);
    ImprimeGeracao("Company generated", gerado, detalhe);
    return true;
}

// The company of `tamanho` documents in the run's company folder: copied from the kept one when
// it is unchanged, else generated and kept. Its users are made in the run's store either way.
bool PreparaEmpresa(std::uint32_t tamanho, const Contexto& contexto, EmpresaGerada& empresa) {
    const kelvo::bench::ParametrosEmpresa parametros;
    const fs::path guardada = contexto.opcoes.guarda / ("documentos-" + std::to_string(tamanho));
    const std::string identidade = kelvo::bench::IdentidadeEmpresa(parametros, tamanho, kelvo::setup::kDemoUser);
    if (!kelvo::bench::LeEmpresaGuardada(guardada, identidade, empresa)) {
        return GeraEmpresa(tamanho, guardada, identidade, contexto, empresa);
    }
    const auto inicio = std::chrono::steady_clock::now();
    std::string erro;
    if (!kelvo::bench::CopiaEmpresaGuardada(guardada, contexto.ambiente.PastaEmpresa(), erro)) {
        std::printf("  copying the kept company: %s\n", erro.c_str());
        return false;
    }
    CSilentConexaoGedSrv semSessao;  // the users go to the suite's user data, not through a server
    kelvo::bench::GeradorEmpresa gerador(semSessao, kelvo::setup::kDemoCompany, contexto.ambiente.PastaEmpresa());
    if (const HRESULT hr = gerador.GeraUsuarios(); hr != platform::S_OK) {
        ImprimeFalha("users", hr);
        return false;
    }
    ImprimeGeracao("Company kept from an earlier run", Segundos(std::chrono::steady_clock::now() - inicio),
                   "copied from " + guardada.string());
    return true;
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

// The raw read of `arquivos` of the company folder, printed under the search it bounds.
void ImprimeLeituraBruta(const std::vector<const char*>& arquivos, const Tempos& busca, const Contexto& contexto) {
    std::vector<std::string> caminhos;
    std::string nomes;
    for (const char* nome : arquivos) {
        caminhos.push_back((fs::path(contexto.ambiente.PastaEmpresa()) / nome).string());
        nomes += (nomes.empty() ? "" : ", ") + std::string(nome);
    }
    const kelvo::bench::LeituraBruta leitura = kelvo::bench::MedeLeituraBruta(caminhos, contexto.opcoes.repeticoes);
    if (!leitura.lida) {
        std::printf("    %-32s unknown (a file could not be read)\n", "raw read of its files");
        return;
    }
    std::printf("    %-32s %9.2f ms median  (%s: %.1f MB; the search takes %.1fx that)\n", "raw read of its files",
                leitura.medianaMs, nomes.c_str(), static_cast<double>(leitura.bytes) / (1 << 20),
                leitura.medianaMs > 0 ? busca.medianaMs / leitura.medianaMs : 0.0);
}

void ImprimeBusca(const char* nome, const Tempos& tempos, std::optional<Alvo> alvo, int repeticoes) {
    if (tempos.hr != platform::S_OK) {
        ImprimeFalha(nome, tempos.hr);
        return;
    }
    char texto[80] = "target: none given";
    if (alvo) {
        std::snprintf(texto, sizeof texto, "target <= %.0f ms (%s)  %s", alvo->ms, alvo->origem,
                      Veredito(tempos.medianaMs <= alvo->ms));
    }
    std::printf("  %-34s %9.2f ms median  %-36s (min %.2f, max %.2f over %d calls; %u found)\n", nome,
                tempos.medianaMs, texto, tempos.minimoMs, tempos.maximoMs, repeticoes, tempos.encontrados);
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

void ImprimeMemoria(pid_t servidor, const kelvo::bench::MemoriaProcesso& antes, long picoKb) {
    kelvo::bench::MemoriaProcesso depois;
    if (servidor == 0 || antes.rssAnonKb < 0 || picoKb < 0 || !kelvo::bench::LeMemoria(servidor, depois)) {
        std::printf("  %-34s unknown (the server's status could not be read)\n", "Server RssAnon while searching");
        return;
    }
    const double crescimento = Mb(picoKb - antes.rssAnonKb);
    std::printf("  %-34s %+9.1f MB           target < %.0f MB  %s  (RssAnon %.1f MB before the first search, peak "
                "%.1f MB, %.1f MB after; VmRSS %.1f MB after)\n",
                "Server RssAnon while searching", crescimento, kMemoriaMaximaMb,
                Veredito(crescimento < kMemoriaMaximaMb), Mb(antes.rssAnonKb), Mb(picoKb), Mb(depois.rssAnonKb),
                Mb(depois.vmRssKb));
}

// The searches of one company size on a session of the search user; false when one failed.
bool MedeBuscas(const EmpresaGerada& empresa, const Contexto& contexto) {
    bool ok = false;
    {
        CSilentConexaoGedSrv conexao;
        const std::optional<pid_t> servidor = AbreSessao(conexao, contexto.opcoes.usuario, contexto, "search session");
        if (!servidor) return false;
        kelvo::bench::MemoriaProcesso antes;
        if (*servidor != 0) (void)kelvo::bench::LeMemoria(*servidor, antes);
        kelvo::bench::AmostradorMemoria amostrador(*servidor, contexto.cpuAmostra);

        const int repeticoes = contexto.opcoes.repeticoes;
        std::printf("  (load average before the searches: %s)\n", Carga().c_str());
        const Alvos alvos = AlvosDe(empresa.nQtdDocumentos);
        const CQDDocFiltro tipico = FiltroTipico(empresa, nullptr);
        const CQDDocFiltro comPalavra = FiltroTipico(empresa, kPalavraDescricao);
        const Tempos ptrs = Mede(BuscaPtrs(conexao, tipico), repeticoes);
        const Tempos ptrsPalavra = Mede(BuscaPtrs(conexao, comPalavra), repeticoes);
        const Tempos rapida = Mede(BuscaRapida(conexao, kPalavrasRapida), repeticoes);
        const long picoKb = amostrador.Para();
        ImprimeBusca("BuscaPtrsDoc criteria", ptrs, alvos.buscaPtrsDoc, repeticoes);
        ImprimeLeituraBruta(kArquivosCriterios, ptrs, contexto);
        ImprimeBusca("BuscaPtrsDoc criteria + word", ptrsPalavra, std::nullopt, repeticoes);
        ImprimeLeituraBruta(kArquivosPalavra, ptrsPalavra, contexto);
        ImprimeBusca("BuscaRapida two words", rapida, alvos.buscaRapida, repeticoes);
        ImprimeLeituraBruta(kArquivosRapida, rapida, contexto);
        ImprimeMemoria(*servidor, antes, picoKb);
        ok = ptrs.hr == platform::S_OK && ptrsPalavra.hr == platform::S_OK && rapida.hr == platform::S_OK;
    }
    EsperaFimServidor();
    return ok;
}

// GravaDoc calls in batches until `ate` after `inicio`; the documents and the time inside
// GravaDoc added to `medida`. S_OK or the first failure.
HRESULT GravaDocAte(kelvo::bench::GeradorEmpresa& gerador, std::chrono::steady_clock::time_point inicio, double ate,
                    kelvo::bench::MedidaGravacao* medida) {
    while (Segundos(std::chrono::steady_clock::now() - inicio) < ate) {
        kelvo::bench::MedidaGravacao lote;
        if (const HRESULT hr = gerador.GeraDocumentos(kLoteGravaDoc, &lote); hr != platform::S_OK) return hr;
        if (!medida) continue;
        medida->nQtdDocumentos += lote.nQtdDocumentos;
        medida->segundosGravaDoc += lote.segundosGravaDoc;
    }
    return platform::S_OK;
}

void ImprimeGravacao(const char* nome, const kelvo::bench::MedidaGravacao& medida) {
    const double taxa = medida.segundosGravaDoc > 0 ? medida.nQtdDocumentos / medida.segundosGravaDoc : 0;
    std::printf("  %-34s %9.0f docs/s       target >= %.0f docs/s  %s  (%u documents, %.2f s in GravaDoc)\n", nome,
                taxa, kGravaDocMinimo, Veredito(taxa >= kGravaDocMinimo), medida.nQtdDocumentos,
                medida.segundosGravaDoc);
}

// GravaDoc's rate on the run's copy of the company: a registry write, then GravaDoc for 2 s;
// then, from 2.5 s on (the store settles 2 s after a write), for 2 s more.
bool MedeGravaDoc(const EmpresaGerada& empresa, const Contexto& contexto) {
    HRESULT hr = platform::S_OK;
    kelvo::bench::MedidaGravacao primeiros, depois;
    {
        CSilentConexaoGedSrv conexao;
        if (!AbreSessao(conexao, kelvo::setup::kDemoUser, contexto, "GravaDoc session")) return false;
        kelvo::bench::GeradorEmpresa gerador(conexao, kelvo::setup::kDemoCompany, contexto.ambiente.PastaEmpresa());
        gerador.Retoma(empresa);
        // Settles the store after the session's own writes, so that only the write below counts.
        hr = GravaDocAte(gerador, std::chrono::steady_clock::now(), 2.5, nullptr);
        const std::string chave = std::string(ZT_CHAVE_SUITE) + "Bench";
        if (hr == platform::S_OK && ZTGravaDWordRegistry(platform::HKEY_LOCAL_MACHINE, chave.c_str(), "Marca",
                                                         empresa.nQtdDocumentos) != 0) {
            std::printf("  the registry write failed\n");
            return false;
        }
        const auto escrita = std::chrono::steady_clock::now();
        if (hr == platform::S_OK) hr = GravaDocAte(gerador, escrita, 2.0, &primeiros);
        if (hr == platform::S_OK) hr = GravaDocAte(gerador, escrita, 2.5, nullptr);
        if (hr == platform::S_OK) hr = GravaDocAte(gerador, escrita, 4.5, &depois);
    }
    EsperaFimServidor();
    if (hr != platform::S_OK) {
        ImprimeFalha("GravaDoc", hr);
        return false;
    }
    ImprimeGravacao("GravaDoc, first 2 s after a write", primeiros);
    ImprimeGravacao("GravaDoc, later", depois);
    return true;
}

// Makes and measures every size; false when something failed.
bool Executa(const Contexto& contexto) {
    bool ok = true;
    for (const std::uint32_t tamanho : contexto.opcoes.tamanhos) {
        std::printf("\nN = %u documents (load average %s)\n", tamanho, Carga().c_str());
        EmpresaGerada empresa;
        if (!PreparaEmpresa(tamanho, contexto, empresa)) return false;
        std::printf("  (%zu types, %zu locations, %zu users besides the supervisor, %u links; descriptions of about "
                    "1 KB)\n",
                    empresa.gruposTipos.size() + empresa.tipos.size(),
                    empresa.gruposLocais.size() + empresa.subgruposLocais.size() + empresa.locais.size(),
                    empresa.usuarios.size(), empresa.nQtdVinculos);
        if (!contexto.opcoes.soGravacao) ok = MedeBuscas(empresa, contexto) && ok;
        ok = MedeGravaDoc(empresa, contexto) && ok;
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
                     "[--guarda DIR] [--so-gravacao]\n");
        return 1;
    }
    const std::vector<int> permitidos = kelvo::bench::ProcessadoresPermitidos();
    const int cpu = opcoes.cpu >= 0 ? opcoes.cpu : (permitidos.empty() ? 0 : permitidos.back());
    const auto outro = std::find_if(permitidos.begin(), permitidos.end(), [cpu](int c) { return c != cpu; });
    const int cpuAmostra = outro != permitidos.end() ? *outro : -1;
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
        std::printf("Private store %s; kept companies in %s\n", ambiente.Pasta().c_str(), opcoes.guarda.c_str());
        std::printf("Searches as user %u, one untimed call then %d timed; words \"%s\" and \"%s\"; this program and "
                    "the servers on processor %d, the memory watcher on %d\n",
                    opcoes.usuario, opcoes.repeticoes, kPalavraDescricao, kPalavrasRapida, cpu, cpuAmostra);
        const Contexto contexto{opcoes, ambiente, cpu, cpuAmostra};
        ok = Executa(contexto);
        // Every connection is released by now: the server ends by itself.
        EsperaFimServidor();
    }
    return ok ? 0 : 1;
}
