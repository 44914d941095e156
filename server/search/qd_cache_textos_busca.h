// CQDCacheTextosBusca (cache dos textos da busca: the search's text cache): the texts the quick
// search reads for a document from QDDOCDSC.DAT and QDDOCCMP.DAT (its description and text fields,
// qd_textos_doc.h), folded and lower-cased once and kept between searches, one cache per data
// folder for the life of the process.
//
// A cache, never trusted over the records:
//   - An entry is the text of one document position with the four fields of the record that name
//     its bytes (description offset and length, first field value and count). It serves a search
//     only while the record read in that search holds the same four; otherwise the document's
//     texts are read again from the files.
//   - The bytes behind those fields can change while the record does not (a rewrite in place at
//     the same size, by this server or another process; a restore). So every entry also rests on
//     both files being as they were when it was read: each search begins by comparing the stamps
//     of the two files (device, inode, size, write and change times; platform/file/file_stamp.h)
//     with those the entries were read under, and any difference forgets every entry. A stamp
//     vouches only when it was settled as it was read (taken more than the file system's time step
//     after the file's last change, since two writes in one step can leave equal stamps): texts
//     read under an unsettled stamp are forgotten at the next search again, until they are read
//     under a settled one. This server's own writes change the stamps as anyone's do, so they are
//     caught the same way and no writer has to tell the cache anything.
//   - It is safe to lose: the texts lie in a nameless scratch file (platform/file/scratch_file.h)
//     that goes with the process; a text the scratch file cannot take is simply not kept.
//
// Size: 32 bytes of memory per document position, plus the folded texts in the scratch file
// (page cache, not the process's own memory), about as large as the descriptions and text fields
// themselves. Texts replaced by newer ones stay there until the dead bytes outweigh the live ones;
// then the cache starts over. At most kMaxPastas folders are kept, the least recently used
// dropped. The server's one thread.
#pragma once

#include "platform/file/file_stamp.h"
#include "platform/file/scratch_file.h"
#include "server/document/qd_doc_arq.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CQDCacheTextosBusca {
public:
    static constexpr std::size_t kMaxPastas = 4;

    // The cache of the data folder `pasta`, empty the first time.
    [[nodiscard]] static CQDCacheTextosBusca& DaPasta(const std::string& pasta);

    // Begins a search with the stamps of QDDOCDSC.DAT and QDDOCCMP.DAT read now, before anything
    // of them: forgets every entry unless both are those the entries were read under and those
    // were settled.
    void Confere(const platform::FileStampReading& descricoes, const platform::FileStampReading& campos);
    // Forgets every entry (a search that cannot read the stamps).
    void Esquece();

    // The kept text of the document at `lPosicao` when it was read from the places `doc` names;
    // nothing otherwise. Valid until the next call.
    [[nodiscard]] std::optional<std::string_view> Texto(std::uint32_t lPosicao, const QD_DOC_ARQ& doc);
    // Keeps `texto` as the text of the document at `lPosicao`, read from the places `doc` names.
    void Guarda(std::uint32_t lPosicao, const QD_DOC_ARQ& doc, std::string_view texto);

private:
    static constexpr std::uint32_t kSemTexto = 0xFFFFFFFF;
    // Below this many dead bytes the scratch file is never started over.
    static constexpr std::uint64_t kMinimoMortos = 16u << 20;

    // The fields of a document record that name the bytes its texts come from.
    struct Origem {
        std::uint32_t nTamDescricao = 0;
        std::uint32_t lPosDescricao = 0;
        std::uint32_t nQtdCampos = 0;
        std::uint32_t lPrimeiroCampo = 0;
        bool operator==(const Origem&) const = default;
    };
    struct Entrada {
        std::uint64_t nOffset = 0;          // in the scratch file
        std::uint32_t nTamanho = kSemTexto;
        Origem origem;
    };
    static_assert(sizeof(Entrada) == 32);

    [[nodiscard]] static Origem OrigemDe(const QD_DOC_ARQ& doc);

    std::vector<Entrada> m_entradas;   // by document position
    platform::ScratchFile m_textos;
    std::uint64_t m_nMortos = 0;       // bytes of replaced texts
    platform::FileStamp m_descricoes;  // the stamps the entries were read under
    platform::FileStamp m_campos;
    bool m_bAssentados = false;        // both were settled
};
