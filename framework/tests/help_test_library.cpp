// A library of its own for the context-help tests: a module other than the program, whose dialog
// must find this library's context-help file.
extern "C" __attribute__((visibility("default"))) int HelpTestLibraryMarker() { return 1; }
