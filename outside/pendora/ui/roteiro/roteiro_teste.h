// The programs' test script: with KELVO_TEST_SCRIPT naming a file, a program reads its steps
// (format in le_roteiro.h) before InitInstance and carries them out as it runs, so that an
// end-to-end test drives the real executable. Without the variable nothing changes.
//
// A script that cannot be read, or a step that cannot be carried out, writes which (the line's
// number and text) to stderr and to the file "<script>.falha", for a program started detached,
// and ends the program at once with exit code 1. User-interface
// thread, with the Qt application made.
#pragma once

namespace kelvo::roteiro {

// Reads the script KELVO_TEST_SCRIPT names and starts it; true when a script runs.
bool IniciaRoteiroTeste();
// For the program's end (ExitInstance), with the exit code the program would give: that code
// without a script, 0 when every step was done; else the failure of the first step not done.
int FinalizaRoteiroTeste(int codigoDoPrograma);

}  // namespace kelvo::roteiro
