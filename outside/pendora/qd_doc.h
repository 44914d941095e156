// CQDDoc (documento): a document with its users, field values, link origins, content
// and description, over the interface record QD_DOC_PS.
//
// Holds the record, its position and everything the record points to, with the ownership rules
// of CQDRegistroPS. Not shared between threads.
#pragma once

#include "outside/pendora/qd_registro_ps.h"
#include "platform/hresult.h"
#include "server/idl/records.h"
#include "util/text/zt_string.h"

class CQDDoc : public CQDRegistroPS<QD_DOC_PS> {
public:
    // Writes the content bytes (cbArquivo from pArquivo; none makes an empty file) into the file
    // `caminho`, created, or emptied and replaced (a read-only one included), opened
    // exclusively. S_OK; E_INVALIDARG for a null or empty path; E_POINTER for a count without
    // bytes; otherwise 0x80070000 | the Win32 error of the file (0x80070020 while another open
    // holds it; E_ACCESSDENIED for a symbolic link in its place). A failed write leaves no file.
    // Who names the file removes it.
    [[nodiscard]] platform::HRESULT SaveToFile(const char* caminho) const;

    // Appends to `lista` the texts that the quick search looks through, each accent-folded
    // (ZTRetiraAcentos), because the search folds its own text and the word filter compares
    // letters as they are: the description, the original file name, the text of every field
    // value whose data type is text (QDGetCampoDataType), and the location number in decimal
    // when it is not 0. Empty texts and parts not read are left out; nothing is removed.
    void ToStringQS(CZTStringArray& lista) const;
};
