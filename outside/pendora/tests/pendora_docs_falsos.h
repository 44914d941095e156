// A stand-in server for the client library's document tests: it knows documents by position,
// answers LeDoc as the server does (each part left out by its bit comes back empty), records
// every read, and fails a read on demand. Header-only; single-threaded.
#pragma once

#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "server/idl/tests/support/recording_server.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace pendora::testing {

class DocsFalsos {
public:
    // What one stored document holds.
    struct Documento {
        std::uint32_t dwFlags = 0;
        std::string nome;       // szOriginalFileName (Windows-1252), cut to the field's room
        std::string conteudo;   // the content bytes
        std::string descricao;  // Windows-1252
        std::vector<std::uint16_t> usuarios;
    };
    struct Leitura {
        std::vector<std::uint32_t> posicoes;
        std::uint32_t dwFlags;
    };

    // The read of a position nobody stored: the record layer's end-of-file.
    static constexpr platform::HRESULT kFimDeArquivo = platform::MakeHResult(0x80040000 | 16021);

    explicit DocsFalsos(server::idl::testing::RecordingServer& servidor) {
        servidor.On<18>([this](std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc, std::uint32_t dwFlags) {
            return Le(qtd, pPos, pDoc, dwFlags);
        });
    }

    // A document at every position of `posicoes`, named and filled after its position: name
    // "D<pos>.txt", content "C<pos>", description "Descricao <pos>", one user (the position).
    void PreencheAPartirDe(const std::vector<std::uint32_t>& posicoes) {
        for (const std::uint32_t p : posicoes) {
            const std::string n = std::to_string(p);
            docs[p] = {0, "D" + n + ".txt", "C" + n, "Descricao " + n, {static_cast<std::uint16_t>(p)}};
        }
    }

    std::map<std::uint32_t, Documento> docs;
    std::vector<platform::HRESULT> respostas;  // the result of read call i; S_OK beyond the list
    std::vector<Leitura> leituras;

private:
    platform::HRESULT Le(std::uint32_t qtd, const std::uint32_t* pPos, QD_DOC_PS* pDoc, std::uint32_t dwFlags) {
        const std::size_t chamada = leituras.size();
        leituras.push_back({std::vector<std::uint32_t>(pPos, pPos + qtd), dwFlags});
        const platform::HRESULT hr = chamada < respostas.size() ? respostas[chamada] : platform::S_OK;
        if (platform::FAILED(hr)) return hr;
        for (std::uint32_t i = 0; i < qtd; ++i) {
            const auto achado = docs.find(pPos[i]);
            if (achado == docs.end()) return kFimDeArquivo;
            Preenche(achado->second, dwFlags, pDoc[i]);
        }
        return hr;
    }

    static void Preenche(const Documento& doc, std::uint32_t dwFlags, QD_DOC_PS& ps) {
        ps.dwFlags = doc.dwFlags;
        std::memcpy(ps.szOriginalFileName, doc.nome.data(), std::min(doc.nome.size(), sizeof ps.szOriginalFileName));
        if (!(dwFlags & 0x01) && !doc.usuarios.empty()) {
            ps.nQtdUsuarios = static_cast<std::uint32_t>(doc.usuarios.size());
            ps.pUsuarios = Copia<std::uint16_t>(doc.usuarios.data(), doc.usuarios.size() * sizeof(std::uint16_t));
        }
        if (!(dwFlags & 0x08) && !doc.conteudo.empty()) {
            ps.cbArquivo = static_cast<std::uint32_t>(doc.conteudo.size());
            ps.pArquivo = Copia<std::uint8_t>(doc.conteudo.data(), doc.conteudo.size());
        }
        if (!(dwFlags & 0x10)) ps.bsDescricao = platform::SysAllocStringFromAnsi(doc.descricao);
    }

    template <class T>
    static T* Copia(const void* dados, std::size_t bytes) {
        auto* copia = static_cast<T*>(platform::CoTaskMemAlloc(bytes));
        std::memcpy(copia, dados, bytes);
        return copia;
    }
};

}  // namespace pendora::testing
