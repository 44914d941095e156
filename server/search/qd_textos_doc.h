// CQDTextosDoc: the texts the quick search looks through in a document itself, read straight
// from the company's files during a scan: the same texts that CQDDoc::ToStringQS gives for the
// document read with its fields and description, namely the description, the original file name,
// the text of every field value whose data type is text, and the location number in decimal when
// it is not 0; each cut at its first NUL and accent-folded (ZTRetiraAcentos), empty ones left out.
// With `minusculas` they are lower-cased as well, in the form the word filter compares them in.
//
// The texts come in two parts: those kept in the files the record points into (description and
// text fields, LeDosArquivos), which the search's text cache keeps, and those of the record itself
// (file name and location number, LeDoRegistro), which cost nothing to read again.
//
// Reading them here rather than through LeDoc spares each document its interface record, its
// BSTR and the two code-page conversions of every description, which a scan of a whole company
// cannot afford; and since accented letters are few in any text, folding alone passes over runs of
// plain ASCII eight bytes at a time. Buffers are reused from one document to the next, so a scan
// allocates only when a text is longer than every one before it. Built on the stack for one
// search; the bind must outlive it. The server's one thread.
#pragma once

#include "platform/file/file_stamp.h"
#include "server/document/qd_doc_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/search/qd_leitor_descricoes.h"
#include "server/record_file/qd_leitor_sequencias.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class IQDArqBind;

class CQDTextosDoc {
public:
    explicit CQDTextosDoc(IQDArqBind& bind, bool minusculas = false);

    // Opens QDDOCDSC.DAT and QDDOCCMP.DAT in mode 'L' (created when missing). 0 or the open's code.
    [[nodiscard]] int Abre();

    // The stamps of the two open files (platform/file/file_stamp.h). 0 or the layer's code.
    [[nodiscard]] int Carimbos(platform::FileStampReading& descricoes, platform::FileStampReading& campos);

    // Every text of `doc` into `textos` (emptied first), as views valid until the next call. 0, or
    // the code of a failing read (16021 for a description or field run outside its file).
    [[nodiscard]] int Le(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos);
    // Its description and text fields only, as Le.
    [[nodiscard]] int LeDosArquivos(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos);
    // Its file name and location number only, into `textos` (emptied first), as Le.
    void LeDoRegistro(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos);

private:
    [[nodiscard]] int AcrescentaDescricao(const QD_DOC_ARQ& doc);
    [[nodiscard]] int AcrescentaCampos(const QD_DOC_ARQ& doc);
    void AcrescentaNumero(const QD_DOC_ARQ& doc);
    // Copies `texto` up to its first NUL into the next buffer and converts it; nothing when empty.
    void Acrescenta(std::string_view texto);
    // The texts added since the last Recomeca into `textos` (emptied first).
    void Entrega(std::vector<std::string_view>& textos) const;
    void Recomeca() { m_nUsados = 0; }

    bool m_bMinusculas;
    CQDLeitorDescricoes m_descricoes;
    CQDLeitorSequencias<QD_DOC_CAMPO_ARQ> m_campos;
    std::vector<QD_DOC_CAMPO_ARQ> m_valores;   // the current field run
    std::vector<std::string> m_buffers;     // one per text of the current document
    std::size_t m_nUsados = 0;
};
