// The skeleton's application: the module's common start-up, then one document of the company's
// document types in the skeleton's frame, opened on the company the command line names (else the
// company choice).
#pragma once

#include "outside/pendora/ui/qd_common_app.h"

namespace esqueleto {

class AppEsqueleto final : public CQDCommonApp {
public:
    AppEsqueleto();

    platform::BOOL InitInstance() override;
};

}  // namespace esqueleto
