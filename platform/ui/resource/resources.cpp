#include "platform/ui/resource/resources.h"

#include "platform/system/resource_module.h"
#include "platform/text/codepage.h"

#include <QImage>

#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace platform::ui {

namespace {

// One kind of resource, by module and id.
template <class Value>
class ResourceTable {
public:
    void Add(HMODULE module, UINT id, Value value) {
        const std::lock_guard lock(mutex_);
        values_.insert_or_assign({module, id}, std::move(value));
    }
    // The resource module's value, else the program's; `from` receives the module it came from.
    [[nodiscard]] std::optional<Value> Find(UINT id, HMODULE* from = nullptr) const {
        const std::lock_guard lock(mutex_);
        for (HMODULE module : {ResourceModule(), GetModuleHandle(nullptr)}) {
            if (const auto found = values_.find({module, id}); found != values_.end()) {
                if (from) *from = module;
                return found->second;
            }
        }
        return std::nullopt;
    }

private:
    mutable std::mutex mutex_;
    std::map<std::pair<HMODULE, UINT>, Value> values_;
};

struct Tables {
    ResourceTable<String> strings;
    ResourceTable<BitmapSource> bitmaps;
    ResourceTable<BitmapSource> icons;
    ResourceTable<DialogTemplate> dialogs;
    ResourceTable<MenuTemplate> menus;
    ResourceTable<AcceleratorTable> accelerators;
    ResourceTable<ToolBarTemplate> toolBars;
};

Tables& Registered() {
    static Tables tables;
    return tables;
}

Image ImageOfPng(const String& path) {
    const QImage decoded = QImage(QString::fromStdString(Utf8FromAnsi(path.view()))).convertToFormat(QImage::Format_ARGB32);
    if (decoded.isNull()) return {};
    Image image{decoded.width(), decoded.height(), {}};
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(decoded.constScanLine(y));
        image.pixels.insert(image.pixels.end(), row, row + image.width);
    }
    return image;
}

Image ImageOf(const std::optional<BitmapSource>& source) {
    if (!source) return {};
    if (!source->pixel) return ImageOfPng(source->resourcePath);
    if (source->width <= 0 || source->height <= 0) return {};
    Image image{source->width, source->height, {}};
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.pixels.push_back(OpaquePixel(source->pixel(x, y)));
        }
    }
    return image;
}

}  // namespace

void RegisterString(HMODULE module, UINT id, String text) { Registered().strings.Add(module, id, std::move(text)); }
void RegisterBitmap(HMODULE module, UINT id, BitmapSource source) { Registered().bitmaps.Add(module, id, std::move(source)); }
void RegisterIcon(HMODULE module, UINT id, BitmapSource source) { Registered().icons.Add(module, id, std::move(source)); }
void RegisterDialog(HMODULE module, UINT id, DialogTemplate dialog) { Registered().dialogs.Add(module, id, std::move(dialog)); }
void RegisterMenu(HMODULE module, UINT id, MenuTemplate menu) { Registered().menus.Add(module, id, std::move(menu)); }
void RegisterAccelerators(HMODULE module, UINT id, AcceleratorTable table) {
    Registered().accelerators.Add(module, id, std::move(table));
}
void RegisterToolBar(HMODULE module, UINT id, ToolBarTemplate buttons) { Registered().toolBars.Add(module, id, std::move(buttons)); }

BOOL LoadResourceString(UINT id, String& text) {
    const std::optional<String> found = Registered().strings.Find(id);
    if (!found) return FALSE;
    text = *found;
    return TRUE;
}

Image LoadBitmapImage(UINT id) { return ImageOf(Registered().bitmaps.Find(id)); }
Image LoadIconImage(UINT id) { return ImageOf(Registered().icons.Find(id)); }
std::optional<DialogTemplate> LoadDialogTemplate(UINT id, HMODULE* module) {
    return Registered().dialogs.Find(id, module);
}
std::optional<MenuTemplate> LoadMenuTemplate(UINT id) { return Registered().menus.Find(id); }
std::optional<AcceleratorTable> LoadAcceleratorTable(UINT id) { return Registered().accelerators.Find(id); }
std::optional<ToolBarTemplate> LoadToolBarTemplate(UINT id) { return Registered().toolBars.Find(id); }

BOOL AfxExtractSubString(String& piece, const char* full, int index, char separator) {
    piece.Empty();
    if (!full || index < 0) return FALSE;
    const std::string_view text(full);
    std::size_t start = 0;
    for (int skipped = 0; skipped < index; ++skipped) {
        start = text.find(separator, start);
        if (start == std::string_view::npos) return FALSE;
        ++start;
    }
    piece = String(text.substr(start, text.find(separator, start) - start));
    return TRUE;
}

}  // namespace platform::ui
