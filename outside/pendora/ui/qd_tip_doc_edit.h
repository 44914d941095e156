// CQDTipDocEdit: the document-type picker: the types the session may see, or only those of one
// process, by their codes, with the type's name in the description static. User-interface
// thread.
#pragma once

#include "outside/pendora/ui/qd_codigo_edit.h"
#include "server/idl/enumerations.h"

class CQDTipDocEdit : public CQDCodigoEdit {
public:
    // Offers only the types that list `eProcesso` (QD_PROCESSO_COUNT: every type) from the next
    // QdInicializa on.
    void SetProcesso(QD_E_PROCESSO eProcesso) { m_eProcesso = eProcesso; }
    [[nodiscard]] QD_E_PROCESSO GetProcesso() const { return m_eProcesso; }

protected:
    [[nodiscard]] platform::HRESULT LeItens(CConexaoGedSrv& conexao, std::vector<CQDItemCodigo>& itens) override {
        return QDLeItensTipDoc(conexao, m_eProcesso, itens);
    }

private:
    QD_E_PROCESSO m_eProcesso = QD_PROCESSO_COUNT;
};
