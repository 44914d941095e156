// The Qt model behind CZTGrid (internal): the row count and the owner's column descriptions, and
// each cell read from the owner when the table paints it. Only the last cell read is kept, so
// what the table does not paint is never asked for.
#pragma once

#include "outside/editra/zt_grid_callbacks.h"

#include <QAbstractTableModel>

#include <vector>

class QHeaderView;

class CZTGridModelo final : public QAbstractTableModel {
public:
    // The role that answers a data cell's cell-control id (0: plain text).
    static constexpr int kPapelControle = Qt::UserRole + 1;

    explicit CZTGridModelo(CZTGridCallbacks& callbacks) : callbacks_(callbacks) {}

    // The header that says where the user put each column.
    void SetCabecalho(const QHeaderView* cabecalho) { cabecalho_ = cabecalho; }
    void SetColunas(std::vector<CZTInfoColuna> colunas);
    [[nodiscard]] const std::vector<CZTInfoColuna>& GetColunas() const { return colunas_; }

    // The item rows grow and shrink at their end, so the selection of the rows that stay is kept.
    void SetItens(ROWCOL itens);
    [[nodiscard]] ROWCOL GetItens() const { return itens_; }
    // The totals line, one row after the items.
    void SetTotalizacao(bool ligada);
    [[nodiscard]] bool IsLinhaTotal(int linhaModelo) const { return totalizacao_ && linhaModelo == static_cast<int>(itens_); }

    // Forgets the cell read last, so that the next paint asks the owner again.
    void Esquece() { celula_ = {-1, -1}; }
    // The cells of rows and columns (the model's) first..last are to be read again.
    void Atualiza(int primeiraLinha, int ultimaLinha, int primeiraColuna, int ultimaColuna);

    [[nodiscard]] int rowCount(const QModelIndex& pai = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& pai = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int secao, Qt::Orientation orientacao, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const CZTEstiloCelula& Estilo(const QModelIndex& index) const;
    [[nodiscard]] QString TextoTotal(int coluna) const;

    CZTGridCallbacks& callbacks_;
    const QHeaderView* cabecalho_ = nullptr;
    std::vector<CZTInfoColuna> colunas_;
    ROWCOL itens_ = 0;
    bool totalizacao_ = false;
    mutable std::pair<int, int> celula_{-1, -1};
    mutable CZTEstiloCelula estilo_;
};
