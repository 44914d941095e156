// The thumbnail method of the server object.
#include "server/object/zt_qd_srv.h"

#include "server/document/qd_miniaturas_doc.h"

platform::HRESULT CZTQD_Srv::GetThumbnailsDoc(std::uint32_t qtd, const std::uint32_t* pPos, tagSIZE imgSize,
                                              QD_ARRAY_DOC_THUMBNAIL_PS* pArray) {
    if (SessaoFechada()) return QD_E_SESSAO_FECHADA;
    return QDGetThumbnailsDoc(QDSessaoDocsDe(*this), qtd, pPos, imgSize, pArray);
}
