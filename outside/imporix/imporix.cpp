#include "outside/imporix/imporix_exports.h"

#include "outside/imporix/import_log.h"

#include <string>

namespace {

int Result(bool done) { return done ? IMPORIX_CONCLUIDA : IMPORIX_ERRO_ES; }

// The text as the log shows it; a null text (which fails anyway) shows as nothing.
std::string Text(const char* texto) { return texto ? texto : ""; }

}  // namespace

int FazImportacaoCFRT(std::uint8_t flag, const char* texto, std::uint16_t numero16, std::int32_t numero32) {
    const std::string call = "FazImportacaoCFRT;" + std::to_string(flag) + ";" + Text(texto) + ";" +
                             std::to_string(numero16) + ";" + std::to_string(numero32);
    return Result(imporix::ReadListAndLog(texto, call));
}

int FazImportacaoMunicipios(const char* texto, std::uint16_t numero16, std::int32_t numero32) {
    const std::string call = "FazImportacaoMunicipios;" + Text(texto) + ";" + std::to_string(numero16) + ";" +
                             std::to_string(numero32);
    return Result(imporix::ReadListAndLog(texto, call));
}
