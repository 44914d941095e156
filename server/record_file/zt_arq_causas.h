// Which message code a file exception's cause becomes: the record-file layer's tables, one per
// kind of operation, kept as data.
//
// Opens and record writes are retried: before their last attempt most causes answer 0 ("try
// again"), and only the causes that retrying cannot cure answer a code at once. Reads and closes
// are never retried and always answer a code. Pure functions, safe from any thread.
#pragma once

#include "platform/exception.h"

enum class ZTOperacaoArq {
    Abertura,    // open
    Leitura,     // read or seek
    Gravacao,    // write
    Fechamento,  // close
};

// The code for `causa` in `operacao`; 0 = try again (opens and writes only). `ultimaTentativa`
// says the attempt was the last one; `somenteLeitura` that the file has the read-only attribute
// (it turns an open's access denial into 16081). A retried operation that runs out of attempts
// answers ZT_ERR_ARQ_OUTRO itself.
[[nodiscard]] int ZTCodigoCausaArq(ZTOperacaoArq operacao, platform::FileException::Cause causa,
                                   bool ultimaTentativa = true, bool somenteLeitura = false);
