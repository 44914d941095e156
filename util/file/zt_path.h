// Path texts: joining a folder and a name, splitting a path, changing an extension, and the
// path of a folder on another machine.
//
// Paths are Windows-1252 byte texts. The separator is '/' (where the system's callers once said
// backslash). An absent (null) argument counts as described per function. Pure functions apart
// from ZTCaminhoRemoto, which asks for the host name; safe from any thread; they never fail.
//
// A folder of another machine is written "//machine/path" (ZTCaminhoRemoto). Two functions take
// their Linux meaning:
// - ZTExtraiRaiz: there are no drives; the root of another machine's path is "//machine/", of
//   any other absolute path "/", of a relative one nothing.
// - ZTCaminhoRemoto: the local machine (empty name, or this host's name) keeps the path as it is.
#pragma once

#include "util/text/zt_string.h"

// Folder (pasta) and name (nome) with exactly one '/' between them; an absent name gives the
// folder, an absent or empty folder the name.
[[nodiscard]] CZTString ZTConcatenaPath(const char* pasta, const char* nome);

// The path (caminho) with its extension (extensao) put in place of its own; a '.' is put in front
// of an extension given without one. When the last '.' belongs to a folder name the extension is
// appended to the whole path, except that a path ending right at the '/' after that '.' comes
// back unchanged. An absent or empty path or an absent extension gives an empty text.
[[nodiscard]] CZTString ZTTrocaExtensao(const char* caminho, const char* extensao);

// The text up to and including the last '/'; empty when there is none.
[[nodiscard]] CZTString ZTExtraiDiretorio(const char* caminho);
// The text after the last '/'; the whole text when there is none; empty for an absent path.
[[nodiscard]] CZTString ZTExtraiNomeArquivo(const char* caminho);
// The text after the last '.', without the dot, when no '/' follows that dot; else empty.
[[nodiscard]] CZTString ZTExtraiExtensao(const char* caminho);
// The file name without the text from its last '.'; the whole name without a '.'; empty for a
// name that starts with '.'.
[[nodiscard]] CZTString ZTExtraiNomeSemExtensao(const char* caminho);
// True when the path has a '.' after its last '/'.
[[nodiscard]] bool ZTTemExtensao(const char* caminho);
// "//machine/" for another machine's path (the whole text when no '/' follows the machine), "/"
// for any other absolute path, empty for a relative one.
[[nodiscard]] CZTString ZTExtraiRaiz(const char* caminho);

// The path (caminho) as seen from another machine (maquina). The machine's "//" are removed;
// with no machine left, or this host's name (any case), the path itself. Otherwise every ':' of
// the path becomes '$', a leading "//server" part of the path is dropped, and the result is
// "//" + machine joined with the rest by ZTConcatenaPath.
[[nodiscard]] CZTString ZTCaminhoRemoto(const char* maquina, const char* caminho);
