#include "platform/ui/frame/command_strings.h"

#include "platform/ui/frame/frame_ids.h"
#include "platform/ui/resource/resources.h"

namespace platform::ui {

namespace {

String PieceOfCommandString(UINT id, int index) {
    String full;
    String piece;
    if (LoadResourceString(id, full)) AfxExtractSubString(piece, full.GetString(), index);
    return piece;
}

}  // namespace

String CommandPrompt(UINT id) { return PieceOfCommandString(id, 0); }

String CommandTip(UINT id) { return PieceOfCommandString(id, 1); }

String IdleMessage() {
    String text;
    return LoadResourceString(AFX_IDS_IDLEMESSAGE, text) ? text : String("Pronto");
}

}  // namespace platform::ui
