// The two escapers of text that leaves the system: percent escaping for the query values of a
// link and quoted-printable for the text of an e-mail message.
//
// Both run one engine: a byte flagged in the escaper's table becomes the escape character and
// two upper-case hexadecimal digits; every other byte is copied. Letters A-Z and a-z, digits
// and ! ' ( ) * - . _ pass both; quoted-printable lets the blank pass too. Line breaks are
// escaped like any other byte; no soft line breaks are inserted. Null text gives an empty
// result. Fixed tables; safe from any thread.
#pragma once

#include "util/text/zt_string.h"

// `text` percent-escaped ("a b&c" gives "a%20b%26c").
[[nodiscard]] CZTString ZTCodificaURL(const char* text);
// `text` quoted-printable escaped ("a b=c" gives "a b=3Dc").
[[nodiscard]] CZTString ZTCodificaQuotedPrintable(const char* text);
