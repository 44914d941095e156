// The application: one object per process, made by main, that the layer runs.
//
// main constructs it (the constructor touches no window) and hands it to RunApplication
// (platform/ui/app/run_application.h), which calls InitInstance, runs the event loop while it
// returned TRUE and ends with ExitInstance. The application holds its document templates, its
// main window, the command line and the profile: values under the current user's
// "Software\<registry key>\<profile name>\<section>" in the registry store. Commands reach it
// last on the route. User-interface thread, except where a member says otherwise.
#pragma once

#include "platform/text/string.h"
#include "platform/ui/command/cmd_target.h"
#include "platform/win_types.h"

#include <memory>
#include <vector>

namespace platform::ui {

class CommandLineInfo;
class SingleDocTemplate;
class Wnd;

class WinApp : public CmdTarget {
public:
    // `appName` (null: the program's file name, once it runs) names the application.
    explicit WinApp(const char* appName = nullptr);
    ~WinApp() override;

    // Sets the application up; FALSE ends it before the event loop. The default answers TRUE.
    virtual BOOL InitInstance();
    // Cleans up after the loop (or after a refused InitInstance); its result is the exit code.
    virtual int ExitInstance();
    // Idle work while the loop waits, `count` calls since the last message: asks the main
    // frame's windows to update their commands. TRUE to be called again before the next message.
    virtual BOOL OnIdle(LONG count);
    // The caption of the application's boxes: the profile name, else the application's name.
    [[nodiscard]] virtual String GetBoxCaption() const;

    // Names the application: m_pszAppName then points at a copy of `name`.
    void SetAppName(const char* name);

    // Hands every argument of the command line to info.ParseParam.
    void ParseCommandLine(CommandLineInfo& info);
    // Does what the command line asks: a new file through the first template (TRUE when made);
    // FileNothing is TRUE; opening a file is not supported (FALSE).
    BOOL ProcessShellCommand(CommandLineInfo& info);
    // Adds a template; the application owns it.
    void AddDocTemplate(SingleDocTemplate* docTemplate);

    // Keeps the profile in the registry store under "Software\<key>"; the profile name becomes
    // a copy of the application's name (which the application may replace afterwards).
    void SetRegistryKey(const char* key);
    // Profile values of `section`: the stored value, else `defaultValue`.
    [[nodiscard]] String GetProfileString(const char* section, const char* entry, const char* defaultValue = nullptr);
    [[nodiscard]] UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
    // A binary value in a new[] buffer the caller delete[]s; FALSE (null, 0) when absent.
    BOOL GetProfileBinary(const char* section, const char* entry, BYTE** data, UINT* bytes);
    // TRUE when stored; FALSE without a registry key or when the store refuses.
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);
    BOOL WriteProfileInt(const char* section, const char* entry, int value);
    BOOL WriteProfileBinary(const char* section, const char* entry, const BYTE* data, UINT bytes);

    // The wait cursor, nested: shown from the first Begin until the matching End.
    void BeginWaitCursor();
    void EndWaitCursor();
    // Shows the wait cursor again while one is begun (after a dialog changed the cursor).
    void RestoreWaitCursor();

    // The main window on the user-interface thread; null on every other thread.
    [[nodiscard]] Wnd* GetMainWnd() const;

    // The arguments of the command line (the program's name excluded), Windows-1252; set by
    // RunApplication.
    std::vector<String> m_arguments;

    Wnd* m_pMainWnd = nullptr;
    // How the main window first shows (SW_SHOWNORMAL).
    int m_nCmdShow = 1;
    // The application's name.
    const char* m_pszAppName = nullptr;
    // The registry key of SetRegistryKey; null before.
    const char* m_pszRegistryKey = nullptr;
    // The profile's name, a malloc'd string: the application may free it and put a strdup'd one.
    char* m_pszProfileName = nullptr;

private:
    std::vector<std::unique_ptr<SingleDocTemplate>> templates_;
    String appName_;
    String registryKey_;
};

// The application object; null before it is made and after it is gone. Any thread.
[[nodiscard]] WinApp* AfxGetApp();
// The application's main window on the user-interface thread; null elsewhere or without one.
[[nodiscard]] Wnd* AfxGetMainWnd();
// A box owned by the main window and captioned with the application's caption; its answer.
int AfxMessageBox(const char* text, UINT style = 0);

}  // namespace platform::ui
