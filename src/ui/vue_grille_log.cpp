#include "vue_grille_log.h"

#include "police.h"

#include <QPainter>

namespace ylkaz::ui {

QColor couleur_cellule(int col, int row) {
    if (col == 14) return QColor(192, 220, 192);
    if (row % 2 == 0) return QColor(0, 255, 255);
    if (col >= 10) return QColor(192, 192, 192);
    return CREME;
}

void DelegueGrille::paint(QPainter* p, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    if (option.state & QStyle::State_Selected) {
        QStyledItemDelegate::paint(p, option, index);
        return;
    }
    const QRect r = option.rect;
    p->save();
    p->fillRect(r, couleur_cellule(index.column(), ModeleGrille::ligne_grille(index)));
    p->setPen(Qt::black);
    p->setFont(option.font);
    const QFontMetrics fm(option.font);
    const int haut = r.top() + (r.height() - fm.height()) / 2;
    p->setClipRect(r);
    p->drawText(QRect(r.left() + 2, haut, r.width() - 2, fm.height()),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
    p->restore();
}

void EnteteGrille::paintSection(QPainter* p, const QRect& rect, int section) const {
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = section;
    opt.text.clear();
    style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
    const QString texte =
        model() ? model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString().trimmed()
                : QString();
    p->save();
    p->setClipRect(rect);
    p->setPen(palette().color(QPalette::ButtonText));
    p->setFont(font());
    p->drawText(QRect(rect.left(), rect.top() + 2, rect.width(), rect.height() - 2),
                Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, texte);
    p->restore();
}

VueGrilleLog::VueGrilleLog(ModeleGrille& modele, QWidget* parent)
    : QTableView(parent), modele_(modele) {
    setHorizontalHeader(new EnteteGrille(this));
    setModel(&modele_);
    setItemDelegate(new DelegueGrille(this));
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid())
                    modele_.grille().selectionner(i.column(), ModeleGrille::ligne_grille(i));
            });
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, CREME);
    setPalette(pal);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int largeur) {
                if (modele_.grille().largeur_colonne(col) != largeur)
                    modele_.grille().set_largeur_colonne(col, largeur);
            });
    connect(&modele_, &ModeleGrille::apparenceChangee, this, &VueGrilleLog::appliquer_apparence);
    connect(&modele_, &ModeleGrille::selectionChangee, this, &VueGrilleLog::suivre_selection);
    appliquer_apparence();
}

void VueGrilleLog::appliquer_apparence() {
    const Grille_log& g = modele_.grille();
    const QFont f = police_programme(g.taille_police());
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setDefaultSectionSize(g.hauteur_ligne());
    verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < Grille_log::COLONNES; ++c)
        if (columnWidth(c) != g.largeur_colonne(c)) setColumnWidth(c, g.largeur_colonne(c));
}

void VueGrilleLog::selectionner(int col, int row) {
    modele_.grille().selectionner(col, row);
}

void VueGrilleLog::suivre_selection() {
    const Grille_log& g = modele_.grille();
    const QModelIndex i = modele_.index_grille(g.Col(), g.Row());
    if (i != currentIndex()) setCurrentIndex(i);
}

void VueGrilleLog::ouvrir_editeur() {
    Grille_log& g = modele_.grille();
    g.selectionner(3, g.Row());
    suivre_selection();
    edit(currentIndex());
}

} // namespace ylkaz::ui
