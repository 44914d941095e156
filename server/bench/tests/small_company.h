// The small company the generator's tests make: 3 type groups of 4 types, 12 boxes under 2 rooms
// of 2 cabinets, 3 users; quick to write, large enough for every rule of the generator to show.
#pragma once

#include "server/bench/company_generator.h"

namespace kelvo::testing {

inline kelvo::bench::ParametrosEmpresa EmpresaPequena() {
    kelvo::bench::ParametrosEmpresa parametros;
    parametros.nGruposTipos = 3;
    parametros.nTiposPorGrupo = 4;
    parametros.nGruposLocais = 2;
    parametros.nSubgruposPorGrupo = 2;
    parametros.nLocaisPorSubgrupo = 3;
    parametros.nUsuarios = 3;
    parametros.tamanhoDescricao = 1024;
    return parametros;
}

}  // namespace kelvo::testing
