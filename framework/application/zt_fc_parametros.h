// CZTFCParametros: the framework's command line: every switch by its first letter and, in the
// order typed, every switch whole.
//
// A switch is the text after its '/' or '-'. Its first letter keys the rest of it in the letter
// map (a later switch of the same letter replaces the value); the letter map keeps at most 259
// characters of a switch, the list of switches keeps it whole. Letters are case-sensitive.
// Parameters that are no switch keep the window layer's meaning (the file to open). Value
// object; user-interface thread.
#pragma once

#include "platform/ui/app/command_line_info.h"
#include "util/text/zt_string.h"

#include <map>

class CZTFCParametros : public platform::ui::CommandLineInfo {
public:
    // Takes a switch into the letter map and the list of switches; every parameter, switch or
    // not, then goes to the window layer's ParseParam too.
    void ParseParam(const char* param, platform::BOOL isFlag, platform::BOOL isLast) override;

    // TRUE, with the value in `valor`, when a switch of `letra` was given (busca: search).
    platform::BOOL BuscaParametro(char letra, CZTString& valor) const;
    [[nodiscard]] platform::BOOL ExisteParametro(char letra) const;
    // The value of `letra`'s switch; empty when none was given.
    [[nodiscard]] CZTString GetParametro(char letra) const;

    // TRUE for the first switch, in the order typed, that begins with `prefixo`; `valor` is that
    // switch with every occurrence of the prefix removed. FALSE when no switch begins with it.
    platform::BOOL BuscaParametroPorPrefixo(const char* prefixo, CZTString& valor) const;
    [[nodiscard]] platform::BOOL ExisteParametroPorPrefixo(const char* prefixo) const;
    // The value the prefix search gives; empty when none.
    [[nodiscard]] CZTString GetParametroPorPrefixo(const char* prefixo) const;

private:
    std::map<char, CZTString> m_mapParametros;
    CZTStringArray m_arrParametros;
};
