// IQDArqBind (arq: record file; bind: where it lies): how a record file of the server learns the
// folder it lies in.
//
// The server object offers it; every record-file object is built with it and asks it, when it
// opens, for the session's data directory, which it puts in front of its file name. Used inside
// the server process only, on its one thread; it never crosses the wire.
#pragma once

#include "platform/com/unknown.h"
#include "server/idl/guids.h"
#include "util/text/zt_string.h"

class IQDArqBind : public platform::IUnknown {
public:
    // The session's data directory; empty while no session is open.
    [[nodiscard]] virtual CZTString GetDiretorio() = 0;

protected:
    ~IQDArqBind() = default;
};
