// The main window's placement as the profile keeps it: the text
// "flags,show command,min x,min y,max x,max y,left,top,right,bottom". User-interface thread.
#pragma once

#include "platform/ui/window/window_placement.h"
#include "util/text/zt_string.h"

// The placement as its profile text.
[[nodiscard]] CZTString ZTFCFormataPosicao(const platform::ui::WINDOWPLACEMENT& posicao);
// Reads the ten numbers of `texto` into `posicao`; false (and `posicao` left alone) when fewer
// than ten read.
[[nodiscard]] bool ZTFCLePosicao(const char* texto, platform::ui::WINDOWPLACEMENT& posicao);
