// Writes a report's content as a paginated PDF (A4, through cairo's PDF surface).
//
// Every page opens with the heading: the company name on the left and "Página n de m" on the
// right, the report title centred below them, then the column captions in bold over a rule. The
// lines follow in the columns' print widths (the model's widths, scaled down together when they
// add up to more than the page holds). A long value wraps within its column, breaking between
// words and, failing that, inside one; a value taller than a whole page is cut there with an
// ellipsis. A line never splits across pages and takes its subordinate lines to the next page
// with it where one page holds them all; a rule that would open a page is dropped.
// Safe from any thread, one call per content at a time.
#pragma once

#include "outside/geralis/conteudo_relatorio.h"
#include "platform/hresult.h"

#include <functional>

// Takes the next bytes of the PDF; S_OK, or the failure that ends the writing.
using GeralisEscrita = std::function<platform::HRESULT(const unsigned char* pDados, unsigned nTamanho)>;

// Writes `conteudo` through `escrita`. S_OK and the page count in `nPaginas`; the first failure of
// `escrita`; E_OUTOFMEMORY or E_FAIL when cairo fails. After a failure the bytes written so far are
// no PDF and must be thrown away.
[[nodiscard]] platform::HRESULT GeralisEscrevePdf(const GeralisConteudo& conteudo, const GeralisEscrita& escrita,
                                                  int& nPaginas);
