// CZTFCThreadGravacao: the worker that saves records off the user-interface thread.
//
// The document queues a copy of one record (EnfileiraRegistro) or a batch of copies
// (EnfileiraLote); the worker saves it (GravaRegistro, GravaLote: a subclass's) and posts the
// result block (kind 20 or 24) as WM_APP+1 to the main window, whose document frees it. One save
// at a time: the idle event is taken by each queuing call and set again after each save, so a
// second call waits until the first save has ended. Once the stop flag is up nothing is posted.
//
// Made suspended (by its maker), configured, then started with ResumeThread. The document that
// made it stops it with Para, which returns after the thread has ended, and only then deletes
// it: the object never deletes itself. The queuing calls, AguardaOcioso and Para belong to the
// user-interface thread; the save hooks run on the worker.
#pragma once

#include "framework/data/zt_fc_dados.h"
#include "framework/data/zt_fc_status_gravacao.h"
#include "platform/system/auto_reset_event.h"
#include "platform/ui/message/messages.h"
#include "platform/win_types.h"
#include "util/com/zt_lista_interfaces.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

struct ZTFC_BLOCO_RESULTADO;

// The message that carries a save's result block (as lParam) to the main window.
constexpr platform::UINT WM_ZTFC_RESULTADO_GRAVACAO = platform::ui::WM_APP + 1;

class CZTFCThreadGravacao {
public:
    // Not running yet: the idle event is set, nothing is queued.
    CZTFCThreadGravacao();
    // Stops a thread still running, then frees the queued record and batch. A subclass's hooks
    // are gone by then: whoever deletes a running worker calls Para first, as the document does.
    virtual ~CZTFCThreadGravacao();
    CZTFCThreadGravacao(const CZTFCThreadGravacao&) = delete;
    CZTFCThreadGravacao& operator=(const CZTFCThreadGravacao&) = delete;

    // Starts the thread: InitInstance, then Run. Once only.
    void ResumeThread();

    // On the worker, before the loop: OnInicializaThread with the interface list; TRUE.
    virtual platform::BOOL InitInstance();
    // The loop: waits for work until the stop flag is up, saves, sets the idle event; then
    // ExitInstance. Returns the thread's exit code, 0.
    virtual int Run();
    virtual int ExitInstance();

    // Waits until idle, then keeps a Clone of `registro` (an earlier batch goes) and wakes the
    // worker.
    virtual void EnfileiraRegistro(CZTFCDados* registro);
    // Waits until idle, then takes `quantidade` records and their new[] array (owned from now
    // on; the previous batch goes) and wakes the worker.
    virtual void EnfileiraLote(std::int32_t quantidade, CZTFCDados** registros);
    // The save of one record; all zeros here.
    virtual ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados* registro);
    virtual void AntesGravarRegistro(CZTFCDados* registro);
    // Posts a block of kind 20 with a Clone of the record, unless stopping.
    virtual void PostaResultadoRegistro(CZTFCDados* registro, ZTFC_STATUS_GRAVACAO status);
    // On the worker: takes the interfaces the document added in ConfiguraThread; empty here.
    virtual void OnInicializaThread(CZTListaInterfaces& interfaces);
    // The save of a batch; all zeros here.
    virtual ZTFC_STATUS_GRAVACAO GravaLote(std::int32_t quantidade, CZTFCDados** registros);
    virtual void AntesGravarLote(std::int32_t quantidade, CZTFCDados** registros);
    // Posts a block of kind 24 with Clones of the records in a new array, unless stopping.
    virtual void PostaResultadoLote(std::int32_t quantidade, CZTFCDados** registros, ZTFC_STATUS_GRAVACAO status);

    // Waits until the worker is idle and leaves it idle for the next caller.
    void AguardaOcioso();
    // Raises the stop flag, wakes the worker and waits until its thread has ended (a save under
    // way finishes first, unposted). Nothing to wait for when the thread never ran.
    void Para();
    [[nodiscard]] bool IsOcupado() const { return m_bOcupado.load() != 0; }
    [[nodiscard]] bool IsParando() const { return m_bParando.load() != 0; }
    void SetJanela(platform::ui::HWND janela) { m_hJanela = janela; }
    [[nodiscard]] platform::ui::HWND GetJanela() const { return m_hJanela; }

    // The list through which the document hands interfaces to the worker.
    [[nodiscard]] CZTListaInterfaces& GetInterfaces() { return m_interfaces; }

private:
    void GravaTrabalho();
    void LiberaLote();
    // Posts `bloco` to the main window; frees it with what it owns when nobody takes it.
    void Posta(ZTFC_BLOCO_RESULTADO* bloco);

    std::unique_ptr<CZTFCDados> m_pRegistro;
    platform::AutoResetEvent m_eventoTrabalho;
    platform::AutoResetEvent m_eventoOcioso;
    // Read by the other thread: atomic.
    std::atomic<std::uint8_t> m_bParando{0};
    std::atomic<std::uint8_t> m_bOcupado{0};
    platform::ui::HWND m_hJanela = nullptr;
    std::int32_t m_nQuantidadeLote = 0;
    CZTFCDados** m_ppLote = nullptr;
    CZTListaInterfaces m_interfaces;
    std::thread m_thread;
};

// Makes a worker of type T, not yet running: what a document's GetClasseThread names.
template <class T>
CZTFCThreadGravacao* ZTFCCriaThreadGravacao() {
    return new T;
}
