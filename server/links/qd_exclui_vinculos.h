// Removing document links: the body of IZTQD_Srv::ExcluiVinculoDoc and the removal of every link
// of a list of documents that the document deletion asks of the object.
//
// A given link matches every live link of QDVINDOC.DAT with the same process and key, or, when
// its key is 0, with any origin (the process is then not compared); a given document 0 matches
// any document. A removed link keeps its record with the removed mark. Removing links writes no
// log entry. QDVINDOC.DAT is held in mode 'G' for the whole pass. The server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/idl/records.h"
#include "server/links/qd_vinculo_doc_arq.h"

#include <cstdint>
#include <set>
#include <span>
#include <tuple>
#include <unordered_set>
#include <vector>

class CZTArqEx;
class IQDArqBind;
class IZTQD_Srv;

// The links a list of given links matches, answered in constant time per stored link however
// long the list is.
class CQDFiltroVinculos {
public:
    explicit CQDFiltroVinculos(std::span<const QD_VINCULO_DOC_PS> vinculos);

    // Whether the stored link `registro` is one of those the list names.
    [[nodiscard]] bool Casa(const QD_VINCULO_DOC_ARQ& registro) const;

private:
    [[nodiscard]] static std::uint64_t Origem(std::uint32_t eProc, std::uint32_t lChave) {
        return (static_cast<std::uint64_t>(eProc) << 32) | lChave;
    }

    bool m_bTodos = false;                                               // key 0, document 0
    std::unordered_set<std::uint32_t> m_docsQualquerOrigem;              // key 0, document d
    std::unordered_set<std::uint64_t> m_origensQualquerDoc;              // origin o, document 0
    std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> m_exatos;  // process, key, document
};

// Marks removed every live link of the open QDVINDOC.DAT `vinculos` (mode 'G') that `filtro`
// matches; the document of each removed link is appended to `pDocsRemovidos` when it is given.
// 0 or the code of the first failing read or write (the links marked before stay removed).
[[nodiscard]] int QDExcluiVinculos(CZTArqEx& vinculos, const CQDFiltroVinculos& filtro,
                                   std::vector<std::uint32_t>* pDocsRemovidos = nullptr);

// ExcluiVinculoDoc: removes every live link that one of the `qtd` links of `pVinculos` matches.
// S_OK (also for qtd 0); E_INVALIDARG for a null list with qtd > 0; 0x80040000 | the record-file
// code of the open, a read or a write (16179 without a session).
[[nodiscard]] platform::HRESULT QDExcluiVinculoDoc(IQDArqBind& bind, std::uint32_t qtd,
                                                   const QD_VINCULO_DOC_PS* pVinculos);

// Removes every link of the documents `docs` by calling ExcluiVinculoDoc of the object `srv`
// with one link {process 0, key 0, document} per document. Every position must be a document
// (not 0, which would match every document): E_INVALIDARG otherwise, before anything changes.
// S_OK (also for an empty list, without a call) or the method's result.
[[nodiscard]] platform::HRESULT QDExcluiVinculosDosDocs(IZTQD_Srv& srv, std::span<const std::uint32_t> docs);
