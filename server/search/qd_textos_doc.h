// CQDTextosDoc: the texts the quick search looks through in a document itself, read straight
// from the company's files during a scan: the same texts, in the same order, that
// CQDDoc::ToStringQS gives for the document read with its fields and description, namely the
// description, the original file name, the text of every field value whose data type is text,
// and the location number in decimal when it is not 0; each cut at its first NUL and
// accent-folded (ZTRetiraAcentos), empty ones left out.
//
// Reading them here rather than through LeDoc spares each document its interface record, its
// BSTR and the two code-page conversions of every description, which a scan of a whole company
// cannot afford; and since accented letters are few in any text, folding passes over runs of
// plain ASCII eight bytes at a time. Buffers are reused from one document to the next, so a scan allocates only when
// a text is longer than every one before it. Built on the stack for one search; the bind must
// outlive it. The server's one thread.
#pragma once

#include "server/document/qd_doc_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/search/qd_leitor_descricoes.h"
#include "server/search/qd_leitor_sequencias.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class IQDArqBind;

class CQDTextosDoc {
public:
    explicit CQDTextosDoc(IQDArqBind& bind);

    // Opens QDDOCDSC.DAT and QDDOCCMP.DAT in mode 'L' (created when missing). 0 or the open's code.
    [[nodiscard]] int Abre();

    // The texts of `doc` into `textos` (emptied first), as views valid until the next call. 0, or
    // the code of a failing read (16021 for a description or field run outside its file).
    [[nodiscard]] int Le(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos);

private:
    // Copies `texto` up to its first NUL into the next buffer and folds it; nothing when empty.
    void Acrescenta(std::string_view texto);

    CQDLeitorDescricoes m_descricoes;
    CQDLeitorSequencias<QD_DOC_CAMPO_ARQ> m_campos;
    std::vector<QD_DOC_CAMPO_ARQ> m_valores;   // the current field run
    std::vector<std::string> m_buffers;     // one per text of the current document
    std::size_t m_nUsados = 0;
};
