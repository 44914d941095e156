// What a user may type into an edit or an editable combo (internal): a character that
// Windows-1252 cannot hold is refused, never stored as another, and so is typing beyond the text
// limit. Text the program sets is not bound by the limit.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace platform::ui::detail {

class TypingFilter final : public QObject {
public:
    // Watches the key presses of `editor` (and is deleted with it). `keptLength` answers how many
    // characters stay when typing replaces the selection.
    TypingFilter(QWidget* editor, std::function<int()> keptLength);

    // The filter of `editor`; null when it has none.
    [[nodiscard]] static TypingFilter* Of(const QWidget* editor);

    // The most characters typing may leave; 0: no limit.
    void SetLimit(int limit) { limit_ = limit; }
    [[nodiscard]] int Limit() const { return limit_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<int()> keptLength_;
    int limit_ = 0;
};

}  // namespace platform::ui::detail
