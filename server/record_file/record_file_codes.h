// The message codes of the record-file layer: numbers of the module's message file.
//
// Every operation of CZTArqEx answers 0 or one of these; a server method that stops on one hands
// it to its client as the HRESULT 0x80040000 | code (platform::HResultFromMessage).
#pragma once

inline constexpr int ZT_ERR_ARQ_POSICIONAMENTO = 16012;    // badSeek
inline constexpr int ZT_ERR_ARQ_FIM = 16021;               // endOfFile; past the end; empty name to create
inline constexpr int ZT_ERR_ARQ_ES_DISCO = 16039;          // hardIO
inline constexpr int ZT_ERR_ARQ_NAO_ENCONTRADO = 16055;    // missing, or listed in the control list but missing
inline constexpr int ZT_ERR_ARQ_CAMINHO = 16063;           // badPath
inline constexpr int ZT_ERR_ARQ_ABERTOS_DEMAIS = 16071;    // tooManyOpenFiles
inline constexpr int ZT_ERR_ARQ_ACESSO_NEGADO = 16080;     // accessDenied
inline constexpr int ZT_ERR_ARQ_SOMENTE_LEITURA = 16081;   // accessDenied on a read-only file
inline constexpr int ZT_ERR_ARQ_INVALIDO = 16098;          // invalidFile
inline constexpr int ZT_ERR_ARQ_PASTA_CHEIA = 16101;       // directoryFull
inline constexpr int ZT_ERR_ARQ_COMPARTILHAMENTO = 16110;  // sharingViolation ("used by another process")
inline constexpr int ZT_ERR_ARQ_BLOQUEIO = 16128;          // lockViolation
inline constexpr int ZT_ERR_ARQ_DISCO_CHEIO = 16136;       // diskFull
inline constexpr int ZT_ERR_ARQ_OUTRO = 16144;             // any other cause; 60 open attempts failed
inline constexpr int ZT_ERR_ARQ_NOME_MODO = 16179;         // empty path or unknown mode letter
