// The archive-location and mask methods of the server object.
#include "server/object/zt_qd_srv.h"

platform::HRESULT CZTQD_Srv::LeLocArq(std::uint32_t, const std::uint32_t*, QD_LOCARQ_PS*, std::uint32_t) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::GravaLocArq(std::uint32_t*, QD_LOCARQ_PS) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::BuscaPtrsLocArq(QD_LOCARQ_FILTRO_PS, QD_ARRAY_PONTEIROS_PS*) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::ExcluiLocArq(std::uint32_t) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::CalcularQtdDocs() { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::LeMascaraLocArq(std::uint32_t, const std::uint32_t*, QD_LOCARQ_MSC_PS*) {
    return platform::E_NOTIMPL;
}
platform::HRESULT CZTQD_Srv::GravaMascaraLocArq(std::uint32_t*, QD_LOCARQ_MSC_PS) { return platform::E_NOTIMPL; }
platform::HRESULT CZTQD_Srv::ConverteLocArq(const std::uint32_t*) { return platform::E_NOTIMPL; }
