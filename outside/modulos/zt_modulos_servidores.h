// The stand-in servers of the suite's other modules: one object class per interface of
// zt_modulos_interfaces.h, answering from the company's data file (zt_modulos_dados.h), their
// class objects, their registration in the classes root and the serving loop of their program.
//
// The classes are served by one local-server program (kelvo-modulos); each activation is one
// object, initialised by the caller with the company, user and session; the data is read then
// and kept for the object's life. While an object lives it holds a module lock. The server's one
// thread (objects), any thread (registration).
#pragma once

#include "platform/com/class_object.h"
#include "platform/com/local_server.h"
#include "platform/hresult.h"

#include <vector>

// Registers the class objects of the six classes for CLSCTX_LOCAL_SERVER (which also serves this
// process's own activations); their cookies are appended to `cookies`. S_OK or the first failure
// (the ones registered before stay registered and in `cookies`).
[[nodiscard]] platform::HRESULT ZTRegistraClassesModulos(std::vector<platform::DWORD>& cookies);
// Revokes the registrations of `cookies` and empties it.
void ZTRevogaClassesModulos(std::vector<platform::DWORD>& cookies);

// Writes, for each of the six classes, "CLSID\{...}" with its name and "LocalServer32" = the
// program `caminhoPrograma` (quoted when it holds a blank), replacing an earlier registration.
// S_OK or 0x80070000 | the registry's Win32 error.
[[nodiscard]] platform::HRESULT ZTRegistraServidorModulos(const char* caminhoPrograma);
// Whether each of the six classes names `caminhoPrograma` (as ZTRegistraServidorModulos writes
// it) as its local server.
[[nodiscard]] bool ZTServidorModulosRegistrado(const char* caminhoPrograma);
// Removes the six classes' keys. S_OK or 0x80070000 | the first Win32 error.
[[nodiscard]] platform::HRESULT ZTDesregistraServidorModulos();

// Registers the interfaces' stubs and the class objects, serves until the last object is
// released, and revokes the class objects. S_OK once the loop ended, or the failure of the
// registration or the loop's start.
[[nodiscard]] platform::HRESULT ZTServeModulos(const platform::com::LocalServerOptions& opcoes = {});
