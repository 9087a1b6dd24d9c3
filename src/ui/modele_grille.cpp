#include "modele_grille.h"

#include "texte_qt.h"

namespace ylkaz::ui {

ModeleGrille::ModeleGrille(Grille_log& grille, QObject* parent)
    : QAbstractTableModel(parent), grille_(grille) {
    grille_.set_observateur(this);
}

ModeleGrille::~ModeleGrille() {
    grille_.set_observateur(nullptr);
}

int ModeleGrille::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grille_.RowCount() - 1;
}

int ModeleGrille::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Grille_log::COLONNES;
}

QVariant ModeleGrille::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return qs(grille_.cellule(index.column(), ligne_grille(index)));
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal && section >= 0 && section < Grille_log::COLONNES)
        return qs(grille_.cellule(section, 0));
    return {};
}

Qt::ItemFlags ModeleGrille::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return edition_permise && !edition_permise() ? f : f | Qt::ItemIsEditable;
}

bool ModeleGrille::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    grille_.set_cellule(index.column(), ligne_grille(index), cp(value.toString()));
    return true;
}

void ModeleGrille::cellule_changee(int col, int row) {
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const auto i = index(row - 1, col);
    emit dataChanged(i, i);
}

void ModeleGrille::lignes_vont_changer(int ancien, int nouveau) {
    if (nouveau > ancien)
        beginInsertRows({}, ancien - 1, nouveau - 2);
    else
        beginRemoveRows({}, nouveau - 1, ancien - 2);
}

void ModeleGrille::lignes_changees(int ancien, int nouveau) {
    if (nouveau > ancien)
        endInsertRows();
    else
        endRemoveRows();
}

void ModeleGrille::selection_changee() {
    emit selectionChangee();
}

void ModeleGrille::apparence_changee() {
    emit apparenceChangee();
}

} // namespace ylkaz::ui
