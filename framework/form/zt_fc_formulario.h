// CZTFCFormulario: what the form (CZTFCMainForm) and the framework dialog (CZTFCDialog) share as
// the window whose controls validators check and the clearing walk clears: the validator
// collection, made on the first validator added and owned; the text shown for a failed validator
// that carries no message of its own; and the window's own clearing.
//
// The class that mixes it in is also the window (a platform::ui::Wnd) the validators name, so the
// framework finds it from that window. User-interface thread.
#pragma once

#include "framework/form/zt_fc_validador_collection.h"
#include "util/text/zt_string.h"

#include <memory>

class CZTFCFormulario {
public:
    virtual ~CZTFCFormulario() = default;
    CZTFCFormulario(const CZTFCFormulario&) = delete;
    CZTFCFormulario& operator=(const CZTFCFormulario&) = delete;

    // The text shown when `pValidador` fails without a text or message number of its own; an
    // empty text shows nothing. Programs override it; empty here.
    [[nodiscard]] virtual CZTString FormataMensagemValidacao(CZTFCValidador* pValidador);

    // Clears the window's controls (ZTFCLimpaControles on it, unless a program does more); the
    // clearing walk runs it for a page that mixes this class in.
    virtual void LimpaCampos() = 0;

    // Adds `pValidador` (taken over; null: nothing) to the collection, made on first use.
    void AdicionaValidador(CZTFCValidador* pValidador);
    // The collection; null before the first validator.
    [[nodiscard]] CZTFCValidadorCollection* GetValidadores() const { return m_pValidadores.get(); }

protected:
    CZTFCFormulario() = default;

private:
    std::unique_ptr<CZTFCValidadorCollection> m_pValidadores;
};
