#include "util/key/zt_nome_modulo_origem.h"

#include <array>

namespace {

// Row i is module i + 1.
constexpr std::array<const char*, ZT_QTD_MODULOS_ORIGEM> kNomes = {
    "Contabilidade - Lan\xE7" "amento",
    "Contabilidade - Lote",
    "Contabilidade - Or\xE7" "amento",
    "Contas a Receber - T\xEDtulo",
    "Contas a Receber - Baixa",
    "Contas a Pagar - T\xEDtulo",
    "Contas a Pagar - Baixa",
    "Tesouraria - Movimento",
    "Tesouraria - Cheque",
    "Faturamento - Nota Fiscal",
    "Faturamento - Pedido",
    "Faturamento - Or\xE7" "amento",
    "Compras - Requisi\xE7\xE3o",
    "Compras - Cota\xE7\xE3o",
    "Compras - Pedido",
    "Compras - Contrato",
    "Estoque - Entrada",
    "Estoque - Sa\xED" "da",
    "Estoque - Transfer\xEAncia",
    "Estoque - Invent\xE1rio",
    "Origem - Importa\xE7\xE3o",
    "Origem - Lote",
    "Fiscal - Livro de Entradas",
    "Financeiro - Concilia\xE7\xE3o",
    "Fiscal - Livro de Sa\xED" "das",
    "Fiscal - Apura\xE7\xE3o",
    "Fiscal - Conhecimento de Frete",
    "Gest\xE3o - Contrato",
    "Gest\xE3o - Atendimento T\xE9" "cnico",
    "Gest\xE3o - Protocolo de Entrada",
    "Gest\xE3o - Protocolo de Sa\xED" "da",
    "Gest\xE3o - Assist\xEAncia",
    "Comercial - Grupo de Clientes",
    "Comercial - Proposta",
    "Produ\xE7\xE3o - Recurso",
    "Produ\xE7\xE3o - Ordem de Produ\xE7\xE3o",
    "Produ\xE7\xE3o - Ordem de Manuten\xE7\xE3o",
    "Produ\xE7\xE3o - Plano de Manuten\xE7\xE3o",
    "Faturamento - Ordem de Servi\xE7o",
    "Qualidade - Registro",
    "Qualidade - Metrologia",
    "Qualidade - Controle",
    "Qualidade - Relat\xF3rio T\xE9" "cnico",
    "Qualidade - A\xE7\xE3o Corretiva",
    "Qualidade - Auditoria",
    "Qualidade - A\xE7\xE3o Preventiva",
    "Qualidade - Roteiro",
    "Qualidade - Objetivo",
    "Qualidade - Documento",
    "Qualidade - Treinamento",
    "Qualidade - Atribui\xE7\xE3o",
    "Qualidade - Requisito",
    "Qualidade - Teste",
    "Qualidade - Previs\xE3o",
    "Qualidade - N\xE3o Conformidade",
    "Qualidade - Acompanhamento",
    "Qualidade - An\xE1lise",
    "Qualidade - Arquivo",
    "Manuten\xE7\xE3o - Entrada",
    "Manuten\xE7\xE3o - Sa\xED" "da",
    "Manuten\xE7\xE3o - Servi\xE7o Preventivo",
    "Manuten\xE7\xE3o - Servi\xE7o T\xE9" "cnico",
    "Folha - Funcion\xE1rio",
    "Folha - C\xE1lculo",
    "Patrim\xF4nio - Bem",
    "Patrim\xF4nio - Deprecia\xE7\xE3o",
};

}  // namespace

const char* ZTGetNomeModuloOrigem(std::uint32_t iModulo) {
    if (iModulo == 0 || iModulo > kNomes.size()) return "";
    return kNomes[iModulo - 1];
}
