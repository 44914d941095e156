#include "platform/interaction.h"

#include "platform/text/codepage.h"

#include <syslog.h>

#include <cstdio>

namespace platform {

namespace {

int SyslogPriority(unsigned type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: return LOG_ERR;
        case MB_ICONWARNING: return LOG_WARNING;
        default: return LOG_INFO;
    }
}

// Without a window layer: every message goes to syslog and standard error, nothing waits.
class LogInteraction final : public Interaction {
public:
    int ShowMessage(const String& text, const String& caption, unsigned type, bool) override {
        const std::string message = Utf8FromAnsi(caption.IsEmpty() ? text.view() : (caption + ": " + text).view());
        syslog(SyslogPriority(type), "%s", message.c_str());
        std::fprintf(stderr, "%s\n", message.c_str());
        return DefaultAnswer(type);
    }
    std::optional<String> ChooseFolder(const String&) override { return std::nullopt; }
    String LoadText(unsigned) override { return {}; }
};

LogInteraction gLogInteraction;
Interaction* gInteraction = &gLogInteraction;

}  // namespace

int DefaultAnswer(unsigned type) {
    static constexpr int kButtons[6][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDCANCEL},         // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDNO},                // MB_YESNO
        {IDRETRY, IDCANCEL, IDCANCEL},      // MB_RETRYCANCEL
    };
    const unsigned buttons = type & MB_TYPEMASK;
    const unsigned choice = (type & MB_DEFMASK) >> 8;
    if (buttons > 5 || choice > 2) return IDOK;
    return kButtons[buttons][choice];
}

Interaction* SetInteraction(Interaction* interaction) {
    Interaction* previous = gInteraction;
    gInteraction = interaction ? interaction : &gLogInteraction;
    return previous;
}

Interaction& CurrentInteraction() { return *gInteraction; }

}  // namespace platform
