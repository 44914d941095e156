// A dialog's mnemonics (internal): the letter after a single '&' in a control's text.
#pragma once

#include "platform/ui/window/wnd.h"

namespace platform::ui::detail {

// The mnemonic of `text`, upper case; 0 when it has none ("&&" is a plain '&').
[[nodiscard]] char MnemonicOf(const char* text);

// Acts on the enabled, visible control of `dialog` whose mnemonic is `letter` (upper case): a
// label's goes to the next tab stop after it, a push button's clicks it, a check box's or radio's
// focuses and clicks it, any other control's focuses it. FALSE when no control has it.
bool RunMnemonic(Wnd& dialog, char letter);

}  // namespace platform::ui::detail
