// CZTArqEx: a record file. A framework file with retrying opens, the layer's message codes, a
// read-ahead cache, automatic creation controlled by the folder's control list ZTCTLARQ.DAT, and
// failure marks in the registry (zt_arq_falha.h).
//
// A file holds records of one size R. Record 0 is the header (R zero bytes when the file is
// created); data records are numbered from 1, and position p starts at byte p x R. Open modes:
// 'L' reads (deny none), 'G' reads and writes (deny write), 'C' creates or empties and writes
// (deny write): any number of readers and at most one writer, also between two objects of one
// process. Busy opens are tried 60 times, 10 ms apart.
//
// Every operation answers 0 or a message code of record_file_codes.h. An object lives for one
// server method, on the stack: opened at once or at its first read or write, closed (and its
// cache freed) by its destructor. The file operations of the base class stay virtual, so a test
// can derive and make the n-th read or write fail. One thread at a time (the server's one thread);
// the time source is the given ticker, which must outlive the object.
#pragma once

#include "platform/file/file.h"
#include "platform/system/tick_count.h"
#include "server/record_file/zt_arq_cache.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTArqEx : public platform::File {
public:
    explicit CZTArqEx(platform::Ticker& relogio = platform::SystemTicker());
    ~CZTArqEx() override;

    // Stores the path, mode ('L', 'G' or 'C'), record size R and auto-create flag (a missing file
    // is then created through the control list). The first open of the object, or `forca`, opens
    // the file now; otherwise it opens at the first read or write. An object already open on the
    // same path, mode and R is left as it is; open on anything else, it is closed first. R = 0 is
    // refused (16179). Answers 0 or the open's code (the file stays closed then).
    [[nodiscard]] int Open(const char* caminho, char modo, std::uint32_t tamanhoRegistro, bool criaAuto, bool forca = false);

    // Copies record `posicao` (R bytes) into `buffer`. Past the end, or a last record cut short, is
    // 16021; a negative position 16012.
    [[nodiscard]] int ReadRecord(std::int32_t posicao, void* buffer);
    // Writes R bytes from `buffer` at record `posicao`, or appends when it is 0, and answers the
    // record written in `posicao`. An append goes to record count + 1 (never below 1), also when
    // the file ends in a partial record, which it then overwrites. Tried up to 60 times.
    [[nodiscard]] int WriteRecord(const void* buffer, std::int32_t& posicao);
    // Writes the `quantidade` records of `buffer` (R bytes each, back to back) in one write from
    // record `posicao`, or appended as WriteRecord appends when it is 0, and answers the first
    // record written in `posicao`. A run whose last record number would not fit 32 bits is 16012,
    // with nothing written. Tried up to 60 times.
    [[nodiscard]] int WriteRecords(const void* buffer, std::uint32_t quantidade, std::int32_t& posicao);
    // Writes `bytes` bytes at the start of the file (the header, record 0). Tried up to 60 times.
    [[nodiscard]] int WriteHeader(const void* buffer, std::uint32_t bytes);

    // Reads up to `bytes` bytes at byte `offset` in one read, past the cache and without moving the
    // position; how many in `lidos` (fewer at the end of the file, none past it). 0 or the read's
    // code. For the scans that read a file in large windows.
    [[nodiscard]] int ReadAt(std::uint64_t offset, std::uint32_t bytes, void* buffer, std::uint32_t& lidos);
    // Reads up to `quantidade` whole records from `posicao` in one read, as ReadAt; how many in
    // `lidos`. Record `posicao` itself answers as ReadRecord does: 16021 past the end or cut short,
    // 16012 for a negative position.
    [[nodiscard]] int ReadRecords(std::int32_t posicao, std::uint32_t quantidade, void* buffer, std::uint32_t& lidos);

    // Reads `bytes` bytes at the current position; fewer than that is 16021.
    [[nodiscard]] int ReadBytes(std::uint32_t bytes, void* buffer);
    // Writes `bytes` bytes at the current position, once.
    [[nodiscard]] int WriteBytes(std::uint32_t bytes, const void* buffer);
    // Cuts or extends the file to `bytes` bytes, once, and leaves the position there: 0 or the
    // write's code.
    [[nodiscard]] int SetLengthEx(std::uint64_t bytes);
    // 'F': to the end, `resultado` = the length. 'I': to the start, `resultado` = 0. 'P': to byte
    // `offset` when it is below the length (`resultado` = offset), else 16021. Other letters 16179.
    [[nodiscard]] int SeekEx(char operacao, std::int64_t offset, std::int64_t& resultado);

    // The stamp of the file's present state (platform/file/file_stamp.h) into `carimbo`. 0 or the
    // open's or the query's code.
    [[nodiscard]] int Carimbo(platform::FileStampReading& carimbo);

    // The number of data records: length / R - 1, never below 0; 0 when the file cannot be opened.
    [[nodiscard]] std::int64_t RecordCount();
    // Closes the file when open; 0 or the close's code (closed either way).
    int CloseEx();
    // Opens `caminho` in mode 'L' without auto-create, reads record `posicao` of R bytes and
    // closes: the first failing code, or 0.
    [[nodiscard]] int ReadOnce(const char* caminho, std::int32_t posicao, void* buffer, std::uint32_t tamanhoRegistro);

    // Whether automatic creation goes through ZTCTLARQ.DAT (default true).
    void SetUsaControle(bool usaControle) { m_bUsaControle = usaControle; }
    [[nodiscard]] bool GetUsaControle() const { return m_bUsaControle; }

    [[nodiscard]] const CZTString& GetCaminho() const { return m_strCaminho; }
    [[nodiscard]] char GetModo() const { return m_cModo; }
    [[nodiscard]] std::uint32_t GetTamanhoRegistro() const { return m_nTamRegistro; }

    // The process-wide cache marker: -1 after any write of any record file, else the bytes of the
    // last cache fill.
    [[nodiscard]] static long GetMarcadorCache() { return CZTArqCache::Marcador(); }

private:
    // The open algorithm for the stored settings with `flags`; `podeCriar` allows the creation
    // of a missing file when auto-create is set.
    [[nodiscard]] int AbreComTentativas(unsigned flags, bool podeCriar);
    // Opens with the stored mode when not open yet; `podeCriar` as above.
    [[nodiscard]] int AbreQuandoPreciso(bool podeCriar = true);
    // The answer to a missing file: creation through the control list, or 16055.
    [[nodiscard]] int TrataAusente(bool podeCriar);
    // Writes `bytes` bytes at `offset`, or at record count + 1 when `anexa`; the offset written
    // at in `escrito`. `seguintes` records follow the first one in the write, and the last of them
    // must still have a 32-bit record number. Up to 60 attempts; every outcome empties the cache.
    [[nodiscard]] int GravaComTentativas(const void* buffer, std::uint32_t bytes, std::uint64_t offset, bool anexa,
                                         std::uint64_t seguintes, std::uint64_t& escrito);
    // The code of a read that failed with `erro`; the failure is marked unless it is the end of
    // the file.
    [[nodiscard]] int FalhaLeitura(const platform::FileException& erro);
    // The code of a write tried once that failed with `erro`; the cache is emptied and the
    // failure marked.
    [[nodiscard]] int FalhaGravacaoUnica(const platform::FileException& erro);
    // The offset an append goes to: (record count + 1) x R.
    [[nodiscard]] std::uint64_t OffsetAnexo();
    // Reads the record at byte `offset` from the file, through the cache, into `buffer`.
    [[nodiscard]] int LeDoArquivo(std::uint64_t offset, void* buffer);
    // Creation of the missing file through the control list (zt_arq_ex_cria.cpp), then the open
    // in the stored mode.
    [[nodiscard]] int CriaPeloControle();
    // Creates `caminho` with one zeroed header of R bytes when it is missing or empty; a file that
    // another process made meanwhile is kept as it is, never emptied.
    [[nodiscard]] static int CriaComCabecalho(const CZTString& caminho, std::uint32_t tamanhoRegistro,
                                              platform::Ticker& relogio);
    // Opens the control list `caminho` into `lista` in mode 'G', creating it when missing.
    [[nodiscard]] static int AbreLista(CZTArqEx& lista, const CZTString& caminho, platform::Ticker& relogio);
    // Marks this file in the registry as the last one that failed.
    void MarcaFalha() const;

    platform::Ticker& m_relogio;
    CZTString m_strCaminho;
    char m_cModo = 0;
    std::uint32_t m_nTamRegistro = 0;
    bool m_bCriaAuto = false;
    bool m_bUsaControle = true;
    CZTArqCache m_cache;
};
