#include "clavier_grille.h"

#include "texte_qt.h"

#include <QKeyEvent>

namespace ylkaz::ui {
namespace {

// The key as the system's virtual-key code: letters and digits are their capital.
int code_touche(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return touche::retour;
    case Qt::Key_Space:
        return touche::espace;
    case Qt::Key_Up:
        return touche::haut;
    case Qt::Key_Down:
        return touche::bas;
    default:
        break;
    }
    if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z) return 'A' + (e.key() - Qt::Key_A);
    if (e.key() >= Qt::Key_0 && e.key() <= Qt::Key_9) return '0' + (e.key() - Qt::Key_0);
    return 0x10000 + e.key();
}

// The one Windows-1252 character a key types, or 0 for a key that types none.
char caractere(const QKeyEvent& e) {
    const QString t = e.text();
    if (t.size() != 1) return 0;
    if (t[0] == QLatin1Char('\r')) return '\r';
    if (!t[0].isPrint()) return 0;
    const std::string c = cp(t);
    return c.size() == 1 && (c != "?" || t == QStringLiteral("?")) ? c[0] : 0;
}

} // namespace

DelegueSaisie::DelegueSaisie(ClavierGrille& clavier, QObject* parent)
    : DelegueGrille(parent), clavier_(clavier) {}

QWidget* DelegueSaisie::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    QWidget* w = DelegueGrille::createEditor(parent, option, index);
    if (auto* le = qobject_cast<QLineEdit*>(w)) {
        auto* self = const_cast<DelegueSaisie*>(this);
        connect(le, &QLineEdit::textEdited, self, [self, le] { emit self->commitData(le); });
    }
    return w;
}

void DelegueSaisie::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // The same text again would move the caret to the end at every keystroke.
    if (auto* le = qobject_cast<QLineEdit*>(editor);
        le && le->text() == index.data(Qt::EditRole).toString())
        return;
    DelegueGrille::setEditorData(editor, index);
}

bool DelegueSaisie::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::KeyPress) {
        if (auto* le = qobject_cast<QLineEdit*>(objet);
            le && clavier_.touche(*static_cast<QKeyEvent*>(evenement), le))
            return true;
    }
    return DelegueGrille::eventFilter(objet, evenement);
}

ClavierGrille::ClavierGrille(VueGrilleLog& vue, Saisie_QSO& saisie)
    : QObject(&vue), vue_(vue), modele_(&vue.modele()), saisie_(saisie),
      effacer_(new QAction(QStringLiteral("Effacer cette ligne"), &vue)),
      inserer_(new QAction(QStringLiteral("Insérer une ligne vide"), &vue)) {
    QAbstractItemDelegate* ancien = vue_.itemDelegate();
    vue_.setItemDelegate(new DelegueSaisie(*this, &vue_));
    if (ancien) ancien->deleteLater();
    vue_.installEventFilter(this);
    vue_.modele().edition_permise = [this] { return saisie_.edition_permise(); };

    connect(vue_.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid())
                    saisie_.Grille_logSelectCell(i.column(), ModeleGrille::ligne_grille(i));
            });
    connect(&vue_, &QAbstractItemView::clicked, this, [this] { saisie_.Grille_logClick(); });

    effacer_->setObjectName(QStringLiteral("Effacercetteligne1"));
    inserer_->setObjectName(QStringLiteral("Insrerunelignevide1"));
    connect(effacer_, &QAction::triggered, this, [this] {
        saisie_.Effacercetteligne1Click();
        reprendre();
    });
    connect(inserer_, &QAction::triggered, this, [this] {
        saisie_.Insrerunelignevide1Click();
        reprendre();
    });
    vue_.addAction(effacer_);
    vue_.addAction(inserer_);
    vue_.setContextMenuPolicy(Qt::ActionsContextMenu);
}

ClavierGrille::~ClavierGrille() {
    if (modele_) modele_->edition_permise = nullptr;
}

void ClavierGrille::editer_cellule_courante() {
    Grille_log& g = vue_.modele().grille();
    const QModelIndex i = vue_.modele().index_grille(g.Col(), g.Row());
    vue_.setFocus();
    if (i != vue_.currentIndex()) vue_.setCurrentIndex(i);
    if (i.flags().testFlag(Qt::ItemIsEditable)) vue_.edit(i);
}

// After entry took a key: a message box may have closed the editor on its way; typing
// goes on in the current cell.
void ClavierGrille::reprendre() {
    if (!vue_.isVisible() || vue_.indexWidget(vue_.currentIndex())) return;
    editer_cellule_courante();
}

void ClavierGrille::taper(const QString& texte, QLineEdit* editeur) {
    if (!editeur) {
        editer_cellule_courante();
        editeur = qobject_cast<QLineEdit*>(vue_.indexWidget(vue_.currentIndex()));
        if (!editeur) return; // a cell that cannot be edited now
    }
    editeur->insert(texte);
}

bool ClavierGrille::touche(const QKeyEvent& e, QLineEdit* editeur) {
    const Qt::KeyboardModifiers m = e.modifiers();
    const bool alt = m.testFlag(Qt::AltModifier);
    // Meta counts as Ctrl: Alt+W works with Alt alone.
    const bool ctrl = m.testFlag(Qt::ControlModifier) || m.testFlag(Qt::MetaModifier);
    const EtatTouches etat{m.testFlag(Qt::ShiftModifier), alt, ctrl};
    // A message box of entry may close the editor on its way.
    const QPointer<QLineEdit> garde(editeur);
    int code = code_touche(e);
    saisie_.Grille_logKeyDown(code, etat);
    if (code != 0) {
        // An Alt chord types nothing; Ctrl with Alt is AltGr where the system says so.
        if (alt && !ctrl) return !e.text().isEmpty();
        const char avant = caractere(e);
        if (avant == 0) return false;
        char c = avant;
        saisie_.Grille_logKeyPress(c);
        if (c == avant) {
            if (editeur) return false;
            // The table's own typing into a closed cell would skip entry's handling.
            taper(e.text(), nullptr);
            return true;
        }
        if (c != 0) {
            taper(qs(std::string(1, c)), garde.data());
            return true;
        }
    }
    reprendre();
    return true;
}

bool ClavierGrille::eventFilter(QObject* objet, QEvent* evenement) {
    // Keys the editor let through reach the table too: entry has seen them already.
    if (objet == &vue_ && evenement->type() == QEvent::KeyPress &&
        !vue_.indexWidget(vue_.currentIndex()))
        return touche(*static_cast<QKeyEvent*>(evenement), nullptr);
    return QObject::eventFilter(objet, evenement);
}

} // namespace ylkaz::ui
