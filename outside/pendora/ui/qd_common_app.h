// CQDCommonApp: the client library's application, the base of every program of the module: the
// suite's application with the suite's start-up, so that each program keeps its settings under
// the suite's key and its COM calls run under the thread's message filter.
//
// A program sets its title in its constructor and calls this InitInstance first from its own, so
// that the test script (roteiro/roteiro_teste.h), when KELVO_TEST_SCRIPT names one, is read and
// started before anything of the program's start-up, its company choice included.
// User-interface thread only.
#pragma once

#include "framework/application/zt_kelvo_app.h"

class CQDCommonApp : public CZTKelvoApp {
public:
    using CZTKelvoApp::CZTKelvoApp;

    // The test script started, when one is named; the profile under "Software\Quorvel\<title>"
    // and the message filter installed on the calling thread; TRUE.
    platform::BOOL InitInstance() override;
    // The suite's clean-up; with a test script, 0 once every step was done (a failed script has
    // ended the program already).
    int ExitInstance() override;
};
