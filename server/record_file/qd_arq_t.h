// CQDArqT<T>: the record file of layout T in the session's data directory; CQDTempArqT<T>: the
// same file under the extension ".TMP" (the copy a conversion writes before it replaces the
// file).
//
// The file name is the one T is bound to (QD_LIGA_REGISTRO_ARQUIVO in qd_arquivos.h) or, for byte
// files (T = std::uint8_t, R = 1: CQDArqBytes) and other unbound uses, the name given. The
// directory is asked of the server object's IQDArqBind at every open, so the file follows the
// session. The wrapper is a CZTArqEx: reads, writes and closing are the layer's own. Built on the
// stack inside one server method; the bind (not reference-counted here) and the ticker must
// outlive it. The server's one thread.
#pragma once

#include "platform/system/tick_count.h"
#include "server/object/qd_arq_bind.h"
#include "server/record_file/qd_arquivos.h"
#include "server/record_file/qd_caminho_dados.h"
#include "server/record_file/zt_arq_ex.h"
#include "util/file/zt_path.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <type_traits>

template <class T>
class CQDArqT : public CZTArqEx {
    static_assert(std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T>, "a record file holds plain records");

public:
    // The file T is bound to.
    explicit CQDArqT(IQDArqBind& bind, platform::Ticker& relogio = platform::SystemTicker())
        requires requires { QDArquivoDoRegistro<T>::kNome; }
        : CQDArqT(bind, QDArquivoDoRegistro<T>::kNome, relogio) {}
    // The file `nome` (a literal or other text that outlives the object).
    CQDArqT(IQDArqBind& bind, const char* nome, platform::Ticker& relogio = platform::SystemTicker())
        : CZTArqEx(relogio), m_bind(bind), m_pszNome(nome) {}

    // The file's full path: the data directory, a '/' unless it ends with one, the file name.
    // Empty while the bind has no directory (no session), so that no file is opened elsewhere.
    [[nodiscard]] virtual CZTString GetCaminhoArquivo() const {
        return QDCaminhoArquivoDados(m_bind.GetDiretorio(), m_pszNome);
    }

    // Opens GetCaminhoArquivo() in `modo` ('L', 'G', 'C') with R = sizeof(T), creating a missing
    // file through the control list when `criaAuto` (see CZTArqEx::Open). 0 or the layer's code;
    // 16179 when there is no data directory.
    [[nodiscard]] int Open(char modo, bool criaAuto, bool forca = false) {
        return CZTArqEx::Open(GetCaminhoArquivo(), modo, sizeof(T), criaAuto, forca);
    }

    [[nodiscard]] const char* GetNomeArquivo() const { return m_pszNome; }

private:
    IQDArqBind& m_bind;
    const char* m_pszNome;
};

// A byte file (R = 1): descriptions, texts, the operations log.
using CQDArqBytes = CQDArqT<std::uint8_t>;

template <class T>
class CQDTempArqT : public CQDArqT<T> {
public:
    using CQDArqT<T>::CQDArqT;

    // The bound file's path with the extension ".TMP"; empty without a data directory.
    [[nodiscard]] CZTString GetCaminhoArquivo() const override {
        const CZTString caminho = CQDArqT<T>::GetCaminhoArquivo();
        if (caminho.IsEmpty()) return caminho;
        return ZTTrocaExtensao(caminho, ".TMP");
    }
};
