// A program's resources in code: string-table texts, bitmaps, icons, dialog templates, menus,
// accelerator tables and toolbars,
// registered per module at start-up and found by id.
//
// A load looks in the current resource module (platform::ResourceModule(), switched to a library
// that carries another language) and then in the program's own module. A command's text is one
// string "prompt\ntip": the status-bar prompt, then the tool tip. A bitmap or icon is described
// without Qt: its size and a function that gives each pixel's colour, or the path of a PNG in the
// program's Qt resources (":/..."). Register before loading; loads from any thread.
#pragma once

#include "platform/system/library.h"
#include "platform/text/string.h"
#include "platform/ui/draw/image.h"
#include "platform/ui/resource/dialog_template.h"
#include "platform/ui/resource/frame_templates.h"
#include "platform/ui/geometry.h"
#include "platform/win_types.h"

#include <functional>
#include <optional>

namespace platform::ui {

struct BitmapSource {
    int width = 0;
    int height = 0;
    // The colour of pixel (x, y); every pixel is opaque.
    std::function<Colour(int x, int y)> pixel;
    // A PNG (in Qt resources, ":/..."), used when `pixel` is empty.
    String resourcePath;
};

void RegisterString(HMODULE module, UINT id, String text);
void RegisterBitmap(HMODULE module, UINT id, BitmapSource source);
void RegisterIcon(HMODULE module, UINT id, BitmapSource source);
void RegisterDialog(HMODULE module, UINT id, DialogTemplate dialog);
void RegisterMenu(HMODULE module, UINT id, MenuTemplate menu);
void RegisterAccelerators(HMODULE module, UINT id, AcceleratorTable table);
void RegisterToolBar(HMODULE module, UINT id, ToolBarTemplate buttons);

// The text of string `id`; FALSE (text unchanged) when no module has it.
BOOL LoadResourceString(UINT id, String& text);
// The picture of bitmap (or icon) `id`; a null image when no module has it or it cannot be read.
[[nodiscard]] Image LoadBitmapImage(UINT id);
[[nodiscard]] Image LoadIconImage(UINT id);
// The template of dialog `id`; nothing when no module has it. `module`, when given, receives the
// module it came from.
[[nodiscard]] std::optional<DialogTemplate> LoadDialogTemplate(UINT id, HMODULE* module = nullptr);
// Menu, accelerator table and toolbar `id`; nothing when no module has it.
[[nodiscard]] std::optional<MenuTemplate> LoadMenuTemplate(UINT id);
[[nodiscard]] std::optional<AcceleratorTable> LoadAcceleratorTable(UINT id);
[[nodiscard]] std::optional<ToolBarTemplate> LoadToolBarTemplate(UINT id);

// Piece `index` (from 0) of `full` split at `separator`; FALSE (and `piece` empty) when there are
// fewer pieces.
BOOL AfxExtractSubString(String& piece, const char* full, int index, char separator = '\n');

}  // namespace platform::ui
