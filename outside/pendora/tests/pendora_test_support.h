// What the client library's tests share: a message seam that records instead of showing, and a
// ticker that only pretends to wait. Single-threaded.
#pragma once

#include "platform/interaction.h"
#include "platform/tick_count.h"

#include <optional>
#include <string>
#include <vector>

namespace pendora::testing {

// Records every box; installed for the lifetime of the object.
class CaixasGravadas final : public platform::Interaction {
public:
    struct Caixa {
        std::string texto;
        std::string titulo;
        unsigned tipo;
    };

    CaixasGravadas() : anterior_(platform::SetInteraction(this)) {}
    ~CaixasGravadas() override { platform::SetInteraction(anterior_); }
    CaixasGravadas(const CaixasGravadas&) = delete;
    CaixasGravadas& operator=(const CaixasGravadas&) = delete;

    int ShowMessage(const platform::String& text, const platform::String& caption, unsigned type, bool) override {
        caixas.push_back({text.str(), caption.str(), type});
        return platform::IDOK;
    }
    std::optional<platform::String> ChooseFolder(const platform::String&) override { return std::nullopt; }
    platform::String LoadText(unsigned) override { return {}; }

    std::vector<Caixa> caixas;

private:
    platform::Interaction* anterior_;
};

class RelogioFalso final : public platform::Ticker {
public:
    std::uint64_t GetTickCount64() override { return agora; }
    void Sleep(unsigned milliseconds) override {
        esperas.push_back(milliseconds);
        agora += milliseconds;
    }
    std::uint64_t agora = 1000;
    std::vector<unsigned> esperas;
};

}  // namespace pendora::testing
