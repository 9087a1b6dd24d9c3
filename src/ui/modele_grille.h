#pragma once
// The log table as a Qt model: row 0 of the table is the header, table row r is model
// row r - 1. Every change of the core table reaches the view through the observer.
#include "log/grille_log.h"

#include <QAbstractTableModel>
#include <functional>

namespace ylkaz::ui {

class ModeleGrille : public QAbstractTableModel, private ObservateurGrille {
    Q_OBJECT
  public:
    explicit ModeleGrille(Grille_log& grille, QObject* parent = nullptr);
    ~ModeleGrille() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    Grille_log& grille() { return grille_; }
    static int ligne_grille(const QModelIndex& i) { return i.row() + 1; }
    QModelIndex index_grille(int col, int row) const { return index(row - 1, col); }

    // Whether the operator may edit cells now; every cell may when it is empty.
    std::function<bool()> edition_permise;

  signals:
    void apparenceChangee();
    void selectionChangee();

  private:
    void cellule_changee(int col, int row) override;
    void lignes_vont_changer(int ancien, int nouveau) override;
    void lignes_changees(int ancien, int nouveau) override;
    void selection_changee() override;
    void apparence_changee() override;

    Grille_log& grille_;
};

} // namespace ylkaz::ui
