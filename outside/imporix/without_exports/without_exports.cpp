// A library of the import library's file name that lacks its exports, for the callers' tests of
// an export that cannot be found. It exports one unrelated function so that it is a library
// like any other.

extern "C" __attribute__((visibility("default"))) int ImporixSemExportacoes() { return 0; }
