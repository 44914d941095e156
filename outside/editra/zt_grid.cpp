#include "outside/editra/zt_grid.h"

#include "outside/editra/zt_grid_configuracao.h"
#include "outside/editra/zt_grid_delegado.h"
#include "outside/editra/zt_grid_modelo.h"
#include "outside/editra/zt_grid_tabela.h"
#include "platform/ui/app/win_app.h"
#include "platform/ui/command/cmd_ui.h"
#include "platform/ui/message/dispatch_boundary.h"
#include "platform/ui/window/qt_text.h"

#include <QHeaderView>
#include <QPointer>

using platform::BOOL;
using platform::UINT;
using platform::FALSE;
using platform::TRUE;

namespace {

constexpr const char* kValorColunas = "Colunas";

}  // namespace

struct CZTGrid::State {
    explicit State(CZTGridCallbacks& owner) : callbacks(owner) {}

    CZTGridCallbacks& callbacks;
    QPointer<CZTGridTabela> tabela;
    QPointer<CZTGridModelo> modelo;
    std::shared_ptr<CZTControlesCelula> controles = std::make_shared<CZTControlesCelula>();
    QMetaObject::Connection selecao;
    QMetaObject::Connection larguras;
    platform::String gridId;
    bool gravar = false;
    int tipoSelecao = kSelecaoUmaLinha;
    int colunas = 0;
    bool moveis = true;
    bool redimensionaveis = true;
    bool ordenavel = false;
    bool totalizacao = false;
    bool inicializado = false;
    bool menu = false;
    UINT primeiroId = 0;
    // The last width of each column that showed; a hidden column's width comes back from here.
    std::vector<int> largurasColunas;
    // Set while a call, not the user, changes the selection.
    bool silencio = false;

    [[nodiscard]] QHeaderView* Cabecalho() const { return tabela ? tabela->horizontalHeader() : nullptr; }
    [[nodiscard]] int NumeroColunasModelo() const { return modelo ? modelo->columnCount() : 0; }
    [[nodiscard]] int LinhasModelo() const { return modelo ? modelo->rowCount() : 0; }

    void AplicaOpcoes() const {
        if (!tabela) return;
        tabela->setSelectionMode(tipoSelecao == kSelecaoVariasLinhas ? QAbstractItemView::ExtendedSelection
                                                                     : QAbstractItemView::SingleSelection);
        tabela->horizontalHeader()->setSectionsMovable(moveis);
        tabela->horizontalHeader()->setSectionResizeMode(redimensionaveis ? QHeaderView::Interactive : QHeaderView::Fixed);
    }
};

namespace {

// Marks a change of the selection as made by a call, for as long as it lives.
class Silencio {
public:
    explicit Silencio(bool& silencio) : silencio_(silencio), antes_(std::exchange(silencio, true)) {}
    ~Silencio() { silencio_ = antes_; }
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;

private:
    bool& silencio_;
    bool antes_;
};

}  // namespace

CZTGrid::CZTGrid(CZTGridCallbacks& callbacks) : state_(std::make_unique<State>(callbacks)) {}

CZTGrid::~CZTGrid() {
    // The table goes later than this object; nothing it does may reach the grid any more.
    QObject::disconnect(state_->selecao);
    QObject::disconnect(state_->larguras);
}

BOOL CZTGrid::Cria(platform::ui::Wnd* pai, UINT id) {
    if (m_hWnd || !pai || !pai->GetWidget()) return FALSE;
    auto* tabela = new CZTGridTabela(state_->callbacks, pai->GetWidget());
    auto* modelo = new CZTGridModelo(state_->callbacks);
    modelo->setParent(tabela);
    tabela->setModel(modelo);
    tabela->setItemDelegate(new CZTGridDelegado(state_->controles, tabela));
    modelo->SetCabecalho(tabela->horizontalHeader());
    if (!CreateOver(tabela, pai, id)) return FALSE;
    state_->tabela = tabela;
    state_->modelo = modelo;
    state_->selecao = QObject::connect(tabela->selectionModel(), &QItemSelectionModel::selectionChanged, tabela, [this] {
        if (!state_->silencio) InformaSelecao();
    });
    state_->larguras = QObject::connect(tabela->horizontalHeader(), &QHeaderView::sectionResized, tabela,
                                        [this](int coluna, int, int largura) {
                                            if (largura > 0 && coluna < static_cast<int>(state_->largurasColunas.size())) {
                                                state_->largurasColunas[static_cast<std::size_t>(coluna)] = largura;
                                            }
                                        });
    state_->AplicaOpcoes();
    return TRUE;
}

BOOL CZTGrid::CriaOcupando(platform::ui::Wnd* pai, UINT id) {
    if (m_hWnd) return TRUE;
    if (!pai || !Cria(pai, id)) return FALSE;
    platform::ui::Rect client;
    pai->GetClientRect(&client);
    MoveWindow(client, FALSE);
    return TRUE;
}

void CZTGrid::SetGridID(const char* id) { state_->gridId = id; }
const platform::String& CZTGrid::GetGridID() const { return state_->gridId; }
void CZTGrid::SetGravarConfiguracoes(BOOL gravar) { state_->gravar = gravar != FALSE; }
BOOL CZTGrid::GetGravarConfiguracoes() const { return state_->gravar ? TRUE : FALSE; }

void CZTGrid::SetTipoSelecao(int tipo) {
    state_->tipoSelecao = tipo;
    state_->AplicaOpcoes();
}

void CZTGrid::SetNumeroColunas(int colunas) { state_->colunas = colunas > 0 ? colunas : 0; }
int CZTGrid::GetNumeroColunas() const { return state_->colunas; }

void CZTGrid::SetColunasMoveis(BOOL moveis) {
    state_->moveis = moveis != FALSE;
    state_->AplicaOpcoes();
}

void CZTGrid::SetColunasRedimensionaveis(BOOL redimensionaveis) {
    state_->redimensionaveis = redimensionaveis != FALSE;
    state_->AplicaOpcoes();
}

void CZTGrid::SetOrdenavel(BOOL ordenavel) { state_->ordenavel = ordenavel != FALSE; }

BOOL CZTGrid::Inicializa() {
    if (!state_->modelo) return FALSE;
    std::vector<CZTInfoColuna> colunas;
    for (int coluna = 0; coluna < state_->colunas; ++coluna) {
        colunas.push_back(platform::ui::CallGuarded(CZTInfoColuna{}, [&] { return state_->callbacks.GetInformacaoColuna(coluna); }));
    }
    state_->largurasColunas.assign(colunas.size(), 0);
    state_->modelo->SetColunas(colunas);
    QHeaderView* cabecalho = state_->Cabecalho();
    for (std::size_t coluna = 0; coluna < colunas.size(); ++coluna) {
        cabecalho->resizeSection(static_cast<int>(coluna), colunas[coluna].nLargura);
    }
    AplicaConfiguracaoGravada();
    state_->modelo->SetTotalizacao(state_->totalizacao);
    state_->inicializado = true;
    return TRUE;
}

void CZTGrid::RegistraControleCelula(UINT id, CZTControleCelula& controle) {
    (*state_->controles)[id] = &controle;
    if (state_->tabela) Pinta(FALSE);
}

BOOL CZTGrid::IsInicializado() const { return state_->inicializado ? TRUE : FALSE; }

void CZTGrid::AplicaConfiguracaoGravada() {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    if (!state_->gravar || state_->gridId.IsEmpty() || !app) return;
    const platform::String texto = app->GetProfileString(state_->gridId, kValorColunas, "");
    const auto colunas = LeConfiguracao(texto, state_->NumeroColunasModelo());
    if (!colunas) return;
    QHeaderView* cabecalho = state_->Cabecalho();
    for (int visual = 0; visual < static_cast<int>(colunas->size()); ++visual) {
        const CZTColunaConfigurada& coluna = (*colunas)[static_cast<std::size_t>(visual)];
        cabecalho->moveSection(cabecalho->visualIndex(coluna.nColuna), visual);
        cabecalho->resizeSection(coluna.nColuna, coluna.nLargura);
        cabecalho->setSectionHidden(coluna.nColuna, coluna.bOculta);
    }
}

BOOL CZTGrid::GravaConfiguracao() {
    platform::ui::WinApp* app = platform::ui::AfxGetApp();
    const QHeaderView* cabecalho = state_->Cabecalho();
    if (!state_->gravar || state_->gridId.IsEmpty() || !app || !cabecalho || !state_->inicializado) return FALSE;
    std::vector<CZTColunaConfigurada> colunas;
    for (int visual = 0; visual < cabecalho->count(); ++visual) {
        const int coluna = cabecalho->logicalIndex(visual);
        colunas.push_back({coluna, state_->largurasColunas[static_cast<std::size_t>(coluna)], cabecalho->isSectionHidden(coluna)});
    }
    return app->WriteProfileString(state_->gridId, kValorColunas, FormataConfiguracao(colunas));
}

void CZTGrid::SetNumeroLinhas(ROWCOL linhas) {
    if (!state_->modelo) return;
    Silencio silencio(state_->silencio);
    state_->modelo->SetItens(linhas);
}

ROWCOL CZTGrid::GetNumeroLinhas() const { return state_->modelo ? state_->modelo->GetItens() : 0; }

void CZTGrid::Reset(BOOL bRedesenha) {
    if (!state_->tabela) return;
    Silencio silencio(state_->silencio);
    state_->tabela->selectionModel()->clear();
    state_->modelo->SetItens(0);
    state_->tabela->scrollToTop();
    Pinta(bRedesenha);
}

void CZTGrid::ResetGrid(BOOL bRedesenha) {
    if (!state_->tabela) return;
    Silencio silencio(state_->silencio);
    state_->tabela->selectionModel()->clear();
    Pinta(bRedesenha);
}

void CZTGrid::Pinta(BOOL agora) {
    state_->modelo->Esquece();
    if (agora) {
        state_->tabela->viewport()->repaint();
    } else {
        state_->tabela->viewport()->update();
    }
}

BOOL CZTGrid::GetEnableTotalizacao() const { return state_->totalizacao ? TRUE : FALSE; }

void CZTGrid::SetEnableTotalizacao(BOOL bEnable) {
    const bool ligar = bEnable != FALSE;
    if (ligar == state_->totalizacao) return;
    state_->totalizacao = ligar;
    if (state_->inicializado && state_->modelo) {
        Silencio silencio(state_->silencio);
        state_->modelo->SetTotalizacao(ligar);
    }
    platform::ui::RunGuarded([&] { state_->callbacks.OnEnableTotalizacao(ligar ? TRUE : FALSE); });
}

int CZTGrid::GetIndiceColuna(const char* titulo) const {
    if (!state_->modelo || !titulo) return -1;
    const std::vector<CZTInfoColuna>& colunas = state_->modelo->GetColunas();
    for (std::size_t coluna = 0; coluna < colunas.size(); ++coluna) {
        if (colunas[coluna].szTitulo == titulo) return state_->Cabecalho()->visualIndex(static_cast<int>(coluna));
    }
    return -1;
}

std::vector<CZTColunaMostrada> CZTGrid::GetColunasMostradas() const {
    std::vector<CZTColunaMostrada> mostradas;
    const QHeaderView* cabecalho = state_->Cabecalho();
    if (!state_->inicializado || !cabecalho) return mostradas;
    const std::vector<CZTInfoColuna>& colunas = state_->modelo->GetColunas();
    for (int visual = 0; visual < cabecalho->count(); ++visual) {
        const int logica = cabecalho->logicalIndex(visual);
        if (cabecalho->isSectionHidden(logica)) continue;
        const CZTInfoColuna& info = colunas[static_cast<std::size_t>(logica)];
        mostradas.push_back({info.szTitulo, info.nAlinhamento, cabecalho->sectionSize(logica), static_cast<ROWCOL>(visual)});
    }
    return mostradas;
}

BOOL CZTGrid::LeCelula(ROWCOL nLinha, ROWCOL nColuna, CZTEstiloCelula& estilo) const {
    estilo = {};
    const BOOL lida = platform::ui::CallGuarded(FALSE, [&] { return state_->callbacks.OnLoadCellStyle(nLinha, nColuna, estilo); });
    if (!lida) estilo = {};
    return lida;
}

void CZTGrid::CriaMenuConfiguracao(int, UINT nPrimeiroId, platform::ui::Menu*, int, int) {
    state_->menu = true;
    state_->primeiroId = nPrimeiroId;
}

int CZTGrid::ColunaDoComando(UINT id, UINT last) const {
    if (!state_->menu || id < state_->primeiroId || id >= last) return -1;
    const int coluna = static_cast<int>(id - state_->primeiroId);
    return coluna < state_->NumeroColunasModelo() ? coluna : -1;
}

void CZTGrid::OnColunaLista(UINT id, UINT, UINT last) {
    QHeaderView* cabecalho = state_->Cabecalho();
    if (!state_->menu || !cabecalho) return;
    if (id == last) {
        for (int coluna = 0; coluna < cabecalho->count(); ++coluna) cabecalho->setSectionHidden(coluna, false);
        return;
    }
    const int coluna = ColunaDoComando(id, last);
    if (coluna >= 0) cabecalho->setSectionHidden(coluna, !cabecalho->isSectionHidden(coluna));
}

void CZTGrid::OnUpdateCommandLista(platform::ui::CmdUI* cmdUI, UINT, UINT last) {
    const QHeaderView* cabecalho = state_->Cabecalho();
    const int coluna = ColunaDoComando(cmdUI->m_nID, last);
    const bool todas = state_->menu && cabecalho && cmdUI->m_nID == last;
    cmdUI->Enable(todas || (cabecalho && coluna >= 0) ? TRUE : FALSE);
    cmdUI->SetCheck(cabecalho && coluna >= 0 && !cabecalho->isSectionHidden(coluna) ? 1 : 0);
}

ROWCOL CZTGrid::GetLinhasSelecionadas(CZTArrayLinhas& linhas) const {
    linhas.clear();
    if (!state_->tabela) return 0;
    QModelIndexList selecionadas = state_->tabela->selectionModel()->selectedRows();
    std::sort(selecionadas.begin(), selecionadas.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& linha : selecionadas) {
        linhas.push_back(state_->modelo->IsLinhaTotal(linha.row()) ? 0 : static_cast<ROWCOL>(linha.row()) + 1);
    }
    return static_cast<ROWCOL>(linhas.size());
}

long CZTGrid::GetIndiceLinha(ROWCOL linha) const { return linha == 0 ? -1 : static_cast<long>(linha) - 1; }

ROWCOL CZTGrid::GetLinhaSelecionada() const {
    if (!state_->tabela) return 0;
    const QModelIndex atual = state_->tabela->currentIndex();
    return atual.isValid() ? static_cast<ROWCOL>(atual.row()) + 1 : 0;
}

void CZTGrid::RemoveSelecaoLinha(ROWCOL linha) {
    if (!state_->tabela || linha == 0 || static_cast<int>(linha) > state_->LinhasModelo()) return;
    Silencio silencio(state_->silencio);
    state_->tabela->selectionModel()->select(state_->modelo->index(static_cast<int>(linha) - 1, 0),
                                             QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

QModelIndex CZTGrid::IndiceDaCelula(ROWCOL linha, ROWCOL coluna) const {
    if (!state_->modelo || linha == 0 || static_cast<int>(linha) > state_->LinhasModelo() ||
        static_cast<int>(coluna) >= state_->NumeroColunasModelo()) {
        return {};
    }
    return state_->modelo->index(static_cast<int>(linha) - 1, state_->Cabecalho()->logicalIndex(static_cast<int>(coluna)));
}

BOOL CZTGrid::SetCelulaAtual(ROWCOL linha, ROWCOL coluna) {
    const QModelIndex celula = IndiceDaCelula(linha, coluna);
    if (!celula.isValid()) return FALSE;
    Silencio silencio(state_->silencio);
    state_->tabela->selectionModel()->setCurrentIndex(celula, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    state_->tabela->scrollTo(celula);
    return TRUE;
}

BOOL CZTGrid::GetCelulaAtual(ROWCOL& linha, ROWCOL& coluna) const {
    const QModelIndex atual = state_->tabela ? state_->tabela->currentIndex() : QModelIndex();
    if (!atual.isValid()) return FALSE;
    linha = static_cast<ROWCOL>(atual.row()) + 1;
    coluna = static_cast<ROWCOL>(state_->Cabecalho()->visualIndex(atual.column()));
    return TRUE;
}

void CZTGrid::MostraLinha(ROWCOL linha) {
    const QModelIndex celula = IndiceDaCelula(linha, 0);
    if (celula.isValid()) state_->tabela->scrollTo(celula);
}

BOOL CZTGrid::SelecionaLinhaComoUsuario(ROWCOL linha) {
    if (!state_->modelo || linha == 0 || linha > state_->modelo->GetItens()) return FALSE;
    const QModelIndex celula = IndiceDaCelula(linha, 0);
    if (!celula.isValid()) return FALSE;
    if (!state_->tabela->PodeIrPara(celula)) return TRUE;
    state_->tabela->selectionModel()->setCurrentIndex(celula, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    state_->tabela->scrollTo(celula);
    return TRUE;
}

platform::String CZTGrid::GetTextoCelula(ROWCOL linha, ROWCOL coluna) const {
    const QModelIndex celula = IndiceDaCelula(linha, coluna);
    if (!celula.isValid()) return {};
    return platform::ui::AnsiTextOf(state_->modelo->data(celula, Qt::DisplayRole).toString());
}

void CZTGrid::RedesenhaLinha(ROWCOL linha) {
    if (!state_->modelo || linha == 0) return;
    const int modelo = static_cast<int>(linha) - 1;
    state_->modelo->Atualiza(modelo, modelo, 0, state_->NumeroColunasModelo() - 1);
}

void CZTGrid::RedesenhaColuna(ROWCOL coluna) {
    if (!state_->modelo || static_cast<int>(coluna) >= state_->NumeroColunasModelo()) return;
    const int logica = state_->Cabecalho()->logicalIndex(static_cast<int>(coluna));
    state_->modelo->Atualiza(0, state_->LinhasModelo() - 1, logica, logica);
}

void CZTGrid::Redesenha() {
    if (!state_->modelo) return;
    state_->modelo->Atualiza(0, state_->LinhasModelo() - 1, 0, state_->NumeroColunasModelo() - 1);
}

void CZTGrid::InformaSelecao() {
    CZTArrayLinhas linhas;
    GetLinhasSelecionadas(linhas);
    platform::ui::RunGuarded([&] {
        if (state_->tipoSelecao == kSelecaoVariasLinhas) {
            state_->callbacks.OnLinhasSelecionadas(linhas);
        } else if (linhas.size() == 1 && linhas.front() != 0) {
            state_->callbacks.OnLinhaSelecionada(GetIndiceLinha(linhas.front()));
        }
    });
}

void CZTGrid::OnDestroy() {
    GravaConfiguracao();
    Wnd::OnDestroy();
}
