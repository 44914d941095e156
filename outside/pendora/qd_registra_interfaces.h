// The client library's set-up: what a process needs before it reaches the document server.
//
// Registers the proxy factory of IZTQD_Srv (platform/com/proxy_stub.h), once per process, so that
// an activation in another process hands back a working interface. CConexaoGedSrv::Inicializa
// calls it; programs may call it at start-up. Safe from any thread.
#pragma once

void QDRegistraInterfacesPendora();
