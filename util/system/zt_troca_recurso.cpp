#include "util/system/zt_troca_recurso.h"

#include "platform/system/resource_module.h"

// A null name is the program itself, as the platform's look-up has it.
CZTTrocaRecurso::CZTTrocaRecurso(const char* nomeModulo) : CZTTrocaRecurso(platform::GetModuleHandle(nomeModulo)) {}

CZTTrocaRecurso::CZTTrocaRecurso(platform::HMODULE hModulo) : m_hRecursoAnterior(platform::ResourceModule()) {
    // A null module is refused by the platform: resources keep coming from the current module.
    (void)platform::SetResourceModule(hModulo);
}

void CZTTrocaRecurso::Restaura() { (void)platform::SetResourceModule(m_hRecursoAnterior); }
