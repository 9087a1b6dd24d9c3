#pragma once
// The log table on screen: the painting of its cells and titles, its fonts and widths.
#include "modele_grille.h"

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

namespace ylkaz::ui {

// Cell colours by row and column, never by content: even rows cyan, odd rows cream with
// silver from column 10 on, column 14 light green on every row.
QColor couleur_cellule(int col, int row);
inline const QColor CREME(255, 251, 240);

class DelegueGrille : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Titles centred, their top 2 pixels below the top of the section.
class EnteteGrille : public QHeaderView {
    Q_OBJECT
  public:
    explicit EnteteGrille(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

  protected:
    void paintSection(QPainter* p, const QRect& rect, int section) const override;
};

class VueGrilleLog : public QTableView {
    Q_OBJECT
  public:
    VueGrilleLog(ModeleGrille& modele, QWidget* parent = nullptr);

    ModeleGrille& modele() { return modele_; }
    // Selects the cell (col, row) of the table, row counted as in the core table.
    void selectionner(int col, int row);
    // Column 3 of the current row, with the editor open so that typing goes on here.
    void ouvrir_editeur();
    // Applies the core table's widths, font size and row height.
    void appliquer_apparence();

  private:
    void suivre_selection();
    ModeleGrille& modele_;
};

} // namespace ylkaz::ui
