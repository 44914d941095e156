// CQDMultiTipDocEdit: a picker of several document types: their codes in the edit, separated by
// commas ("01, 02.01"), each code offered from the types the session may see, and the names of
// the named types, in the same order and separated the same way, in the description static.
// A code that names no offered type is ignored. User-interface thread.
#pragma once

#include "outside/pendora/ui/qd_lista_codigos_edit.h"

#include <cstdint>
#include <vector>

class CQDMultiTipDocEdit : public CQDListaCodigosEdit {
public:
    // The positions of the offered types whose codes are typed, in the order typed, each once.
    [[nodiscard]] std::vector<std::uint32_t> GetPosicoes() const;
    // Shows the codes of the offered types at pPos[0..nQtd-1] in that order; positions not
    // offered are left out.
    void SetPosicoes(std::uint32_t nQtd, const std::uint32_t* pPos);
    // Empties the edit and so the description.
    void Limpa() { SetTexto(""); }

protected:
    [[nodiscard]] platform::HRESULT LeItens(CConexaoGedSrv& conexao, std::vector<CQDItemCodigo>& itens) override {
        return QDLeItensTipDoc(conexao, QD_PROCESSO_COUNT, itens);
    }
    [[nodiscard]] platform::String Descricao(const platform::String& texto) const override;
    [[nodiscard]] bool IsLista() const override { return true; }

private:
    // The offered types the text names, in the order typed, each once.
    [[nodiscard]] std::vector<const CQDItemCodigo*> Nomeados(const platform::String& texto) const;
};
