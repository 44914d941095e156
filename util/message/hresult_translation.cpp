#include "util/message/hresult_translation.h"

#include "platform/exception.h"
#include "util/message/zt_exception.h"
#include "util/message/zt_exception_ex.h"

#include <cstdint>
#include <exception>
#include <new>

namespace {

platform::HRESULT DeExcecaoZT(const CZTException& e) {
    return e.GetErroSO() != 0 ? platform::MakeHResult(0x80040000u | e.GetErroSO()) : ZT_HR_EXCECAO_ZT;
}

platform::HRESULT DeExcecaoArquivo(const platform::FileException& e) {
    if (e.m_lOsError > 0) return platform::MakeHResult(0x80070000u | (static_cast<std::uint32_t>(e.m_lOsError) & 0xFFFFu));
    return static_cast<platform::HRESULT>(e.m_lOsError);
}

// The code the kind of the active error gives, before the rule that no error reads as success.
platform::HRESULT CodigoDaExcecao(const std::exception_ptr& ativa) {
    // Framework exceptions travel both by pointer (the system's own style) and by value (the
    // platform layer's); each kind is classified the same way in either form.
    try {
        std::rethrow_exception(ativa);
    } catch (const platform::ComError& e) {
        return e.Error();
    } catch (const CZTExceptionEx& e) {
        return e.GetResultado();
    } catch (CZTException* e) {
        return e ? DeExcecaoZT(*e) : ZT_HR_EXCECAO_FRAMEWORK;
    } catch (const CZTException& e) {
        return DeExcecaoZT(e);
    } catch (platform::FileException* e) {
        return e ? DeExcecaoArquivo(*e) : ZT_HR_EXCECAO_FRAMEWORK;
    } catch (const platform::FileException& e) {
        return DeExcecaoArquivo(e);
    } catch (platform::MemoryException*) {
        return ZT_HR_EXCECAO_MEMORIA;
    } catch (const platform::MemoryException&) {
        return ZT_HR_EXCECAO_MEMORIA;
    } catch (platform::Exception*) {
        return ZT_HR_EXCECAO_FRAMEWORK;
    } catch (const platform::Exception&) {
        return ZT_HR_EXCECAO_FRAMEWORK;
    } catch (std::int32_t valor) {
        return valor;
    } catch (const std::bad_alloc&) {
        return ZT_HR_SEM_MEMORIA;
    } catch (const std::exception&) {
        return ZT_HR_EXCECAO_STD;
    } catch (...) {
        return ZT_HR_EXCECAO_DESCONHECIDA;
    }
}

}  // namespace

platform::HRESULT ZTHResultDeExcecao() {
    const std::exception_ptr ativa = std::current_exception();
    if (!ativa) return ZT_HR_EXCECAO_BASE;
    // A caught error never reads as success, whatever code it happens to carry.
    const platform::HRESULT hr = CodigoDaExcecao(ativa);
    return platform::SUCCEEDED(hr) ? platform::E_FAIL : hr;
}
