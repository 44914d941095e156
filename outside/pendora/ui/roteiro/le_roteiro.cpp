#include "outside/pendora/ui/roteiro/le_roteiro.h"

#include "platform/interaction.h"
#include "platform/text/codepage.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <utility>

namespace kelvo::roteiro {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 7> kRespostas{{
    {"ok", platform::IDOK},
    {"cancel", platform::IDCANCEL},
    {"abort", platform::IDABORT},
    {"retry", platform::IDRETRY},
    {"ignore", platform::IDIGNORE},
    {"yes", platform::IDYES},
    {"no", platform::IDNO},
}};

bool IsEspaco(char c) { return c == ' ' || c == '\t'; }

// The words of a line, read from the left; a text takes the rest of the line.
class Palavras {
public:
    explicit Palavras(std::string_view linha) : resto_(linha) {}

    [[nodiscard]] bool Vazio() {
        PulaEspacos();
        return resto_.empty();
    }

    // The next word; empty at the line's end.
    std::string_view Proxima() {
        PulaEspacos();
        std::size_t fim = 0;
        while (fim < resto_.size() && !IsEspaco(resto_[fim])) ++fim;
        const std::string_view palavra = resto_.substr(0, fim);
        resto_.remove_prefix(fim);
        return palavra;
    }

    // The rest of the line after the one space that ends the word before it.
    std::string_view Texto() {
        if (!resto_.empty() && IsEspaco(resto_.front())) resto_.remove_prefix(1);
        return std::exchange(resto_, {});
    }

private:
    void PulaEspacos() {
        while (!resto_.empty() && IsEspaco(resto_.front())) resto_.remove_prefix(1);
    }

    std::string_view resto_;
};

std::optional<unsigned long> LeNumeroSemSinal(std::string_view palavra) {
    int base = 10;
    if (palavra.size() > 2 && palavra[0] == '0' && (palavra[1] == 'x' || palavra[1] == 'X')) {
        palavra.remove_prefix(2);
        base = 16;
    }
    unsigned long valor = 0;
    const auto [fim, erro] = std::from_chars(palavra.data(), palavra.data() + palavra.size(), valor, base);
    if (palavra.empty() || erro != std::errc() || fim != palavra.data() + palavra.size()) return std::nullopt;
    return valor;
}

platform::String TextoAnsi(std::string_view utf8) { return platform::String(platform::AnsiFromUtf8(utf8)); }

// Reads the words of one line into a step; the first thing it cannot read is kept as `erro`.
class LeitorLinha {
public:
    explicit LeitorLinha(std::string_view linha) : palavras_(linha) {}

    // The step; nullopt with `erro` set when the line cannot be read.
    std::optional<PassoRoteiro> Le() {
        PassoRoteiro passo;
        const std::string_view verbo = palavras_.Proxima();
        bool lido = false;
        if (verbo == "box") {
            passo.verbo = Verbo::Caixa;
            lido = LeResposta("answer", passo.resposta);
        } else if (verbo == "dialog") {
            passo.verbo = Verbo::Dialogo;
            lido = LeDialogo(passo);
        } else if (verbo == "command") {
            passo.verbo = Verbo::Comando;
            lido = LeId("command id", passo.id);
        } else if (verbo == "type") {
            passo.verbo = Verbo::Digita;
            lido = LeControle(passo.janelas, passo.id);
            passo.texto = TextoAnsi(palavras_.Texto());
        } else if (verbo == "select") {
            passo.verbo = Verbo::Seleciona;
            lido = LeEscolha(passo.escolha.emplace());
        } else if (verbo == "wait") {
            passo.verbo = Verbo::Espera;
            lido = LeId("template", passo.id);
        } else if (verbo == "click") {
            passo.verbo = Verbo::Clica;
            lido = LeControle(passo.janelas, passo.id);
        } else if (verbo == "expect") {
            passo.verbo = Verbo::Confere;
            lido = LeControleNumeroOuTexto("count", passo.janelas, passo.id, passo.quantidade, passo.texto);
        } else if (verbo == "end") {
            passo.verbo = Verbo::Fim;
            lido = true;
        } else {
            lido = Erro("unknown verb \"" + std::string(verbo) + "\"");
        }
        if (lido && !palavras_.Vazio()) lido = Erro("unexpected words at the end");
        if (!lido) return std::nullopt;
        return passo;
    }

    std::string erro;

private:
    // Keeps why the line cannot be read; false.
    bool Erro(std::string motivo) {
        erro = std::move(motivo);
        return false;
    }

    // A number up to `maximo`, else the error naming `oQue`.
    template <class Numero>
    bool LeNumero(std::string_view palavra, std::string_view oQue, unsigned long maximo, Numero& numero) {
        if (palavra.empty()) return Erro("missing " + std::string(oQue));
        const std::optional<unsigned long> valor = LeNumeroSemSinal(palavra);
        if (!valor || *valor > maximo) return Erro("bad number \"" + std::string(palavra) + "\" for " + std::string(oQue));
        numero = static_cast<Numero>(*valor);
        return true;
    }

    bool LeId(std::string_view oQue, platform::UINT& id) {
        return LeNumero(palavras_.Proxima(), oQue, std::numeric_limits<platform::UINT>::max(), id);
    }

    // A control's id, or a path of ids "a/b/id": the windows it lies in, then its own.
    bool LeControle(std::vector<platform::UINT>& janelas, platform::UINT& controle) {
        std::string_view caminho = palavras_.Proxima();
        if (caminho.empty()) return Erro("missing control");
        janelas.clear();
        for (std::size_t barra = caminho.find('/'); barra != std::string_view::npos; barra = caminho.find('/')) {
            if (!LeNumero(caminho.substr(0, barra), "control", std::numeric_limits<platform::UINT>::max(), janelas.emplace_back())) {
                return false;
            }
            caminho.remove_prefix(barra + 1);
        }
        return LeNumero(caminho, "control", std::numeric_limits<platform::UINT>::max(), controle);
    }

    bool LeContagem(std::string_view oQue, int& contagem) {
        return LeNumero(palavras_.Proxima(), oQue, static_cast<unsigned long>(std::numeric_limits<int>::max()), contagem);
    }

    bool LeResposta(std::string_view oQue, int& resposta) {
        const std::string_view palavra = palavras_.Proxima();
        for (const auto& [nome, valor] : kRespostas) {
            if (palavra != nome) continue;
            resposta = valor;
            return true;
        }
        return LeNumero(palavra, oQue, static_cast<unsigned long>(std::numeric_limits<int>::max()), resposta);
    }

    // "<control> <numero> <n>" or "<control> text <text>": a choice by index, a check by count.
    bool LeControleNumeroOuTexto(std::string_view numero, std::vector<platform::UINT>& janelas, platform::UINT& controle,
                                 std::optional<int>& valor, platform::String& texto) {
        if (!LeControle(janelas, controle)) return false;
        const std::string_view modo = palavras_.Proxima();
        if (modo == numero) return LeContagem(numero, valor.emplace());
        if (modo != "text") return Erro("expected \"" + std::string(numero) + "\" or \"text\" after the control");
        texto = TextoAnsi(palavras_.Texto());
        return true;
    }

    bool LeEscolha(Escolha& escolha) {
        return LeControleNumeroOuTexto("index", escolha.janelas, escolha.controle, escolha.indice, escolha.texto);
    }

    bool LeDialogo(PassoRoteiro& passo) {
        if (!LeId("template", passo.id) || !LeResposta("button", passo.resposta)) return false;
        if (palavras_.Vazio()) return true;
        if (palavras_.Proxima() != "select") return Erro("expected \"select\" after the button");
        return LeEscolha(passo.escolha.emplace());
    }

    Palavras palavras_;
};

bool IsIgnorada(std::string_view linha) {
    Palavras palavras(linha);
    return palavras.Vazio() || palavras.Proxima().front() == '#';
}

}  // namespace

std::string NomeDoPasso(const PassoRoteiro& passo) {
    return "line " + std::to_string(passo.linha) + ": " + passo.textoLinha;
}

LeituraRoteiro LeRoteiro(std::string_view conteudo) {
    LeituraRoteiro leitura;
    int numero = 0;
    while (!conteudo.empty()) {
        const std::size_t fim = conteudo.find('\n');
        std::string_view linha = conteudo.substr(0, fim);
        conteudo.remove_prefix(fim == std::string_view::npos ? conteudo.size() : fim + 1);
        ++numero;
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        if (IsIgnorada(linha)) continue;
        LeitorLinha leitor(linha);
        std::optional<PassoRoteiro> passo = leitor.Le();
        if (!passo) {
            leitura.passos.clear();
            leitura.erro = "line " + std::to_string(numero) + ": " + leitor.erro + ": " + std::string(linha);
            return leitura;
        }
        passo->linha = numero;
        passo->textoLinha = linha;
        leitura.passos.push_back(std::move(*passo));
    }
    return leitura;
}

}  // namespace kelvo::roteiro
