// The registry names of the suite's machine-wide configuration, in one place.
//
// Configuration lives under the suite key of the local machine (and, for per-user values, the
// same key of the current user). Key and value names are matched without regard to case, so the
// spellings below differ only where the system writes them differently.
#pragma once

// The suite key, under the local machine; the folder values below live in it.
inline constexpr char ZT_CHAVE_SUITE[] = "SOFTWARE\\Quorvel\\";
// What CZTRegistry's ...Usuario and ...Maquina operations put in front of a sub-key (the same
// key, as the per-user variant spells it).
inline constexpr char ZT_PREFIXO_CHAVE_SUITE[] = "Software\\Quorvel\\";
// Company key prefix: followed by the company code; each value is named by a module prefix and
// holds the module's data folder for the company.
inline constexpr char ZT_CHAVE_EMPRESAS[] = "SOFTWARE\\Quorvel\\Empresas\\";
// The key that holds the index folder (the base module's key).
inline constexpr char ZT_CHAVE_INDICE[] = "Software\\Quorvel\\Kelvo Empresarial";
// Where the serial ports are listed.
inline constexpr char ZT_CHAVE_PORTAS_SERIAIS[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
// The key ZTTestaRegistroRemoto opens for writing.
inline constexpr char ZT_CHAVE_SISTEMA[] = "SYSTEM";

// Values of the suite key.
inline constexpr char ZT_VALOR_MENSAGENS[] = "Mensagens";    // message files
inline constexpr char ZT_VALOR_RELATORIOS[] = "Relatorios";  // report models
inline constexpr char ZT_VALOR_AJUDA[] = "Ajuda";            // help and context-help files
inline constexpr char ZT_VALOR_CADASTROS[] = "Cadastros";    // registration files
inline constexpr char ZT_VALOR_IMAGENS[] = "Imagens";        // images
inline constexpr char ZT_VALOR_NFE[] = "NFe";                // electronic-invoice files
inline constexpr char ZT_VALOR_LOCAL[] = "LocalKelvo";       // the suite's local files
// Value of a module key (the suite key plus the module's display name): its installation folder.
inline constexpr char ZT_VALOR_PATH[] = "Path";
// Value of ZT_CHAVE_INDICE: the index folder.
inline constexpr char ZT_VALOR_INDICE[] = "ZTIndice";

// The folder level that the electronic-invoice module adds under the base module's company folder.
inline constexpr char ZT_PASTA_NFE[] = "NFe";
