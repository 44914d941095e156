// CQDRelDialog: the client library's base of the report filter dialogs, a CQDDialog and nothing
// more. User-interface thread.
#pragma once

#include "outside/pendora/ui/qd_dialog.h"

class CQDRelDialog : public CQDDialog {
public:
    using CQDDialog::CQDDialog;
};
