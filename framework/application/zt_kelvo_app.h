// CZTKelvoApp: the suite's application layer over the framework's: it owns the application
// information (the company in use), reports error objects through the suite's message library
// and takes the company, branch and session from the command line.
//
// Each program's application derives from it (through the client library's common class), sets
// its title in its constructor and, in InitInstance, calls ProcessaLinhaComando after creating
// its document template and before ProcessShellCommand. While the application lives, the company
// choice of every company start-up is the company dialog; a test that scripts the choice installs
// its chooser after making the application and puts the dialog back. User-interface thread only.
#pragma once

#include "framework/app/zt_kelvo_app_info.h"
#include "framework/application/zt_fc_app.h"

class CZTFCParametros;
class IZTEscolhaEmpresa;

class CZTKelvoApp : public CZTFCApp {
public:
    // A CZTKelvoUsuario as the user object, `appInfo` (owned; null: a new one) as the
    // application information, and the company dialog as the company choice.
    explicit CZTKelvoApp(CZTKelvoAppInfo* appInfo = nullptr);
    // Puts back the company choice it replaced, deletes the application information, then the
    // framework layer's objects.
    ~CZTKelvoApp() override;

    // Deletes the current application information and keeps `appInfo` (owned).
    void SetAppInfo(CZTKelvoAppInfo* appInfo) { m_pAppInfo.reset(appInfo); }
    [[nodiscard]] CZTKelvoAppInfo* GetAppInfo() const { return m_pAppInfo.get(); }

    // Shows the error through the suite's message library (ZTTrataErro2) with the selected
    // company's code (empty when none) and the extra value of a CZTKelvoException (0 for any
    // other error object); true when the report was shown. The framework's behaviour is not run.
    bool TrataErro(CZTFCException& erro) override;

    // A validator with a message number shows that message of the suite's message file for the
    // application information's system ("DF"); any other is shown as the framework shows it.
    void MostraErroValidacao(CZTFCValidador* validador) override;

    // Parses the command line into `parametros`; when switch U gives a non-zero branch and
    // switch E a company code, preselects that company, branch and switch L's session number.
    // Otherwise nothing is stored.
    virtual void ProcessaLinhaComando(CZTFCParametros& parametros);

private:
    std::unique_ptr<CZTKelvoAppInfo> m_pAppInfo;
    IZTEscolhaEmpresa* m_pEscolhaAnterior = nullptr;
};
