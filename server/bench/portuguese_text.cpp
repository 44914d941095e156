#include "server/bench/portuguese_text.h"

#include "platform/text/codepage.h"

#include <array>
#include <cctype>

namespace kelvo::bench {

namespace {

// Most frequent first: the draw favours the start of the list.
constexpr std::array kVocabulario = {
    "de", "a", "o", "que", "e", "do", "da", "em", "um", "para", "com", "não", "uma", "os", "no", "se", "na",
    "por", "mais", "as", "dos", "como", "mas", "ao", "das", "à", "seu", "sua", "ou", "quando", "muito", "nos",
    "já", "também", "só", "pelo", "pela", "até", "isso", "entre", "depois", "sem", "mesmo", "aos", "ter",
    "documento", "contrato", "nota", "fiscal", "pagamento", "fornecedor", "cliente", "empresa", "valor",
    "prazo", "entrega", "serviço", "serviços", "produto", "produtos", "pedido", "compra", "venda", "conta",
    "banco", "recibo", "fatura", "duplicata", "boleto", "cheque", "crédito", "débito", "saldo", "juros",
    "multa", "desconto", "imposto", "tributo", "alíquota", "mercadoria", "estoque", "transporte", "frete",
    "cópia", "original", "assinatura", "anexo", "processo", "relatório", "ofício", "memorando", "ata",
    "reunião", "diretoria", "gerência", "setor", "departamento", "financeiro", "contábil", "jurídico",
    "comercial", "administrativo", "pessoal", "funcionário", "salário", "férias", "admissão", "rescisão",
    "benefício", "convênio", "seguro", "apólice", "sinistro", "veículo", "manutenção", "equipamento",
    "máquina", "peça", "reposição", "garantia", "assistência", "técnica", "instalação", "obra", "projeto",
    "orçamento", "proposta", "aprovação", "revisão", "versão", "alteração", "cancelamento", "devolução",
    "reclamação", "atendimento", "protocolo", "registro", "cadastro", "endereço", "telefone", "correio",
    "licença", "alvará", "certidão", "declaração", "procuração", "escritura", "imóvel", "aluguel", "locação",
    "condomínio", "energia", "água", "limpeza", "segurança", "vigilância", "treinamento", "curso",
    "qualidade", "auditoria", "inspeção", "certificado", "calibração", "norma", "procedimento", "instrução",
    "formulário", "controle", "indicador", "meta", "resultado", "análise", "amostra", "laboratório",
    "ensaio", "lote", "validade", "fabricação", "embalagem", "etiqueta", "armazém", "depósito", "filial",
    "matriz", "unidade", "regional", "estado", "município", "prefeitura", "receita", "federal", "estadual",
    "municipal", "guia", "recolhimento", "parcela", "vencimento", "emissão", "competência", "exercício",
    "balanço", "balancete", "razão", "diário", "lançamento", "conciliação", "extrato", "aplicação",
    "investimento", "empréstimo", "financiamento", "garantias", "avalista", "fiador", "sócio", "acionista",
    "assembleia", "estatuto", "contrato social", "aditivo", "distrato", "notificação", "citação",
    "intimação", "audiência", "sentença", "recurso", "acordo", "indenização", "honorários", "perícia",
    "laudo", "parecer", "vistoria", "medição", "cronograma", "etapa", "conclusão", "recebimento",
    "conferência", "divergência", "urgente", "pendente", "aprovado", "recusado", "arquivado", "digitalizado",
    "janeiro", "fevereiro", "março", "abril", "maio", "junho", "julho", "agosto", "setembro", "outubro",
    "novembro", "dezembro", "primeiro", "segundo", "terceiro", "anual", "mensal", "semanal", "trimestral",
};

}  // namespace

std::uint64_t Sorteio::Proximo() {
    std::uint64_t z = (m_estado += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Sorteio::Ate(std::uint64_t limite) {
    if (limite == 0) return 0;
    // The high half of a 128-bit product: no modulo bias worth measuring for these small limits.
    return static_cast<std::uint64_t>((static_cast<unsigned __int128>(Proximo()) * limite) >> 64);
}

std::int64_t Sorteio::Entre(std::int64_t minimo, std::int64_t maximo) {
    return minimo + static_cast<std::int64_t>(Ate(static_cast<std::uint64_t>(maximo - minimo) + 1));
}

TextoPortugues::TextoPortugues() {
    m_palavras.reserve(kVocabulario.size());
    for (const char* palavra : kVocabulario) m_palavras.push_back(platform::AnsiFromUtf8(palavra));
}

std::string_view TextoPortugues::Palavra(Sorteio& sorteio) const {
    // The square of a uniform fraction leans towards 0, so the first words come up most.
    const double fracao = static_cast<double>(sorteio.Proximo() >> 11) / static_cast<double>(1ull << 53);
    const auto indice = static_cast<std::size_t>(fracao * fracao * static_cast<double>(m_palavras.size()));
    return m_palavras[indice < m_palavras.size() ? indice : m_palavras.size() - 1];
}

std::string TextoPortugues::Descricao(Sorteio& sorteio, std::size_t tamanho) const {
    if (tamanho == 0) return {};
    const std::size_t folga = tamanho / 8;
    const std::size_t alvo = tamanho - folga + static_cast<std::size_t>(sorteio.Ate(2 * folga + 1));
    std::string texto;
    texto.reserve(alvo + 64);
    while (texto.size() < alvo) {
        const int palavras = static_cast<int>(sorteio.Entre(6, 18));
        for (int i = 0; i < palavras && texto.size() < alvo; ++i) {
            if (!texto.empty() && texto.back() != ' ') texto += ' ';
            const std::size_t inicio = texto.size();
            texto += Palavra(sorteio);
            if (i == 0) texto[inicio] = static_cast<char>(std::toupper(static_cast<unsigned char>(texto[inicio])));
        }
        texto += '.';
    }
    if (texto.size() > alvo) texto.resize(alvo);  // within the eighth even when the last word ran over
    return texto;
}

std::string TextoPortugues::Frase(Sorteio& sorteio, int qtd, std::size_t maximo) const {
    std::string texto;
    for (int i = 0; i < qtd; ++i) {
        const std::string_view palavra = Palavra(sorteio);
        const std::size_t acrescimo = palavra.size() + (texto.empty() ? 0 : 1);
        if (texto.size() + acrescimo > maximo) break;
        if (!texto.empty()) texto += ' ';
        texto += palavra;
    }
    return texto;
}

}  // namespace kelvo::bench
