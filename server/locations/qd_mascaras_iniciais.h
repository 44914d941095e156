// The masks a company's locations start with: ten "1.222.333", one per group 0 to 9. Written when
// a company is created and when its old location records are converted.
//
// The server's thread.
#pragma once

class CZTArqEx;

// Writes the ten first masks into `mascaras`, a QDLOCMSC.DAT open for writing: at positions 0 to
// 9 (position 0 through the header), each with lPosicao = its position. 0 or the record-file code.
[[nodiscard]] int QDGravaMascarasIniciais(CZTArqEx& mascaras);
