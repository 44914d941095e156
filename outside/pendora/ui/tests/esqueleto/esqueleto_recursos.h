// The skeleton's resources as code: its menu, accelerators, toolbar and pictures, command texts and
// the form's template.
#pragma once

namespace esqueleto {

// Registers every resource of the skeleton under the program's module.
void RegistraRecursos();

}  // namespace esqueleto
