// CQDDialog: the client library's dialog, the base of the programs' dialogs: a framework dialog
// (CZTFCDialog) and nothing more. User-interface thread.
#pragma once

#include "framework/dialog/zt_fc_dialog.h"

class CQDDialog : public CZTFCDialog {
public:
    using CZTFCDialog::CZTFCDialog;
};
