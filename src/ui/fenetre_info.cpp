#include "fenetre_info.h"

#include "geometrie_qt.h"
#include "police.h"
#include "texte_qt.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QValidator>

namespace ylkaz::ui {
namespace {

void colorer(QWidget* w, QColor c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

QLabel* etiquette(const QString& texte, QWidget* parent, QColor c = Qt::black) {
    auto* l = new QLabel(texte, parent);
    colorer(l, c);
    return l;
}

// Typing in capitals: the box upper-cases each edit before it reports it.
class Majuscules : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        texte = texte.toUpper();
        return Acceptable;
    }
};

void majuscules(QLineEdit* e) {
    e->setValidator(new Majuscules(e));
}

void montrer_texte(QLineEdit* e, const std::string& t) {
    const QString q = qs(t);
    if (e->text() == q) return;
    const QSignalBlocker b(e);
    e->setText(q);
}

} // namespace

FenetreInfo::FenetreInfo(Form_info& logique, const std::filesystem::path& image, QWidget* parent)
    : QWidget(parent), logique_(logique) {
    setFont(police_programme(8));
    setObjectName(QStringLiteral("Form_info"));

    image_ = new QLabel(this);
    image_->setFixedSize(73, 73);
    QImageReader lecteur(QString::fromStdString(image.string()));
    const QImage img = lecteur.read();
    if (!img.isNull()) image_->setPixmap(QPixmap::fromImage(img).scaled(73, 73));
    auto* titre = etiquette(QStringLiteral("DIZIDEVI YL KAZ"), this, Qt::red);
    titre->setFont(police_programme(20));

    op_ = new QLineEdit(this);
    majuscules(op_);
    op_->installEventFilter(this);
    dxcc_ = new QComboBox(this);
    dxcc_->setEditable(true);
    dxcc_->setInsertPolicy(QComboBox::NoInsert);
    dxcc_->setMaxVisibleItems(20);
    majuscules(dxcc_->lineEdit());
    nom_ = new QLineEdit(this);
    ad1_ = new QLineEdit(this);
    ad2_ = new QLineEdit(this);
    ad3_ = new QLineEdit(this);
    email_ = new QLineEdit(this);
    smtp_ = new QLineEdit(this);
    port_ = new QLineEdit(this);
    port_->setMaximumWidth(70);
    categorie_ = new QComboBox(this);
    categorie_->setEditable(true);
    categorie_->setInsertPolicy(QComboBox::NoInsert);
    categorie_->addItems(
        {QStringLiteral("A. >=100W"), QStringLiteral("B. <=100W"), QStringLiteral("C. SWL")});
    save_ = new QComboBox(this);
    save_->setMinimumWidth(260);

    groupe_ = new QGroupBox(this);
    yl_ = new QRadioButton(QStringLiteral("Je suis YL"), groupe_);
    om_ = new QRadioButton(QStringLiteral("Je suis OM"), groupe_);
    colorer(yl_, Qt::red);
    colorer(om_, Qt::blue);
    auto* radios = new QVBoxLayout(groupe_);
    radios->addWidget(yl_);
    radios->addWidget(om_);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    annuler_ = new QPushButton(QStringLiteral("Annuler"), this);
    for (auto* b : {ok_, annuler_})
        b->setMinimumSize(100, 30);

    bd_kaz_ = etiquette({}, this, Qt::blue);
    bd_yl_ = etiquette({}, this, Qt::blue);
    date_bd_ = etiquette({}, this, Qt::blue);
    info_internet_ = etiquette({}, this, Qt::blue);
    info_internet_->hide();
    etat_bases_ = etiquette({}, this, Qt::blue);
    etat_bases_->setObjectName(QStringLiteral("Label_etat_bases"));
    etat_bases_->setWordWrap(true);

    // Filled by the handlers and read back on OK, never shown.
    nkaz_ = new QLineEdit(this);
    station_ = new QLineEdit(this);
    label_nr_kaz_ = etiquette({}, this);
    label_station_ = etiquette({}, this);
    for (QWidget* cache :
         std::initializer_list<QWidget*>{nkaz_, station_, label_nr_kaz_, label_station_,
                                         etiquette(QStringLiteral("(Ex= /P, /M, /MM)"), this)})
        cache->hide();

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    auto* haut = new QHBoxLayout;
    haut->addWidget(image_);
    haut->addSpacing(16);
    haut->addWidget(titre);
    haut->addStretch(1);
    page->addLayout(haut);
    page->addSpacing(10);

    auto* corps = new QHBoxLayout;
    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(10);
    int ligne = 0;
    const auto champ = [&](const QString& texte, QWidget* w, int colonnes = 3) {
        QLabel* l = etiquette(texte, this);
        grille->addWidget(l, ligne, 0, Qt::AlignRight);
        grille->addWidget(w, ligne, 1, 1, colonnes);
        ++ligne;
        return l;
    };
    // The captions of these labels are the language's (montrer_logique).
    label_op_ = champ({}, op_, 1);
    champ(QStringLiteral("DXCC"), dxcc_, 1);
    label_nom_ = champ({}, nom_);
    label_ad1_ = champ({}, ad1_);
    label_ad2_ = champ({}, ad2_);
    label_ad3_ = champ({}, ad3_);
    champ(QStringLiteral("Email"), email_);
    grille->addWidget(etiquette(QStringLiteral("SMTP"), this), ligne, 0, Qt::AlignRight);
    grille->addWidget(smtp_, ligne, 1);
    grille->addWidget(etiquette(QStringLiteral("Port"), this), ligne, 2, Qt::AlignRight);
    grille->addWidget(port_, ligne, 3);
    ++ligne;
    champ(QStringLiteral("Catégorie"), categorie_, 1);
    grille->setColumnStretch(1, 1);
    corps->addLayout(grille, 1);
    corps->addSpacing(20);
    auto* droite = new QVBoxLayout;
    droite->addWidget(groupe_);
    droite->addStretch(1);
    droite->addWidget(ok_);
    droite->addWidget(annuler_);
    corps->addLayout(droite);
    page->addLayout(corps);
    page->addSpacing(10);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* ligne_panel = new QHBoxLayout(panel);
    ligne_panel->addWidget(etiquette(QStringLiteral("Sauvegarde auto sur:"), panel));
    ligne_panel->addWidget(save_);
    ligne_panel->addStretch(1);
    page->addWidget(panel);
    page->addStretch(1);
    auto* bas = new QHBoxLayout;
    for (auto* l : {bd_kaz_, bd_yl_, date_bd_}) {
        bas->addWidget(l);
        bas->addSpacing(24);
    }
    bas->addStretch(1);
    page->addLayout(bas);
    page->addWidget(info_internet_);
    page->addWidget(etat_bases_);

    QWidget* ordre[] = {op_,   dxcc_,  ok_,   nom_,  ad1_,       ad2_,     ad3_,
                        save_, email_, smtp_, port_, categorie_, annuler_, yl_};
    for (std::size_t i = 0; i + 1 < std::size(ordre); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);
    setTabOrder(yl_, om_);

    const auto lier = [this](QLineEdit* e, void (Form_info::*set)(std::string)) {
        connect(e, &QLineEdit::textEdited, this,
                [this, set](const QString& t) { (logique_.*set)(cp(t)); });
    };
    lier(op_, &Form_info::set_Edit_op);
    lier(nom_, &Form_info::set_Edit_nom);
    lier(ad1_, &Form_info::set_Edit_AD1);
    lier(ad2_, &Form_info::set_Edit_ad2);
    lier(ad3_, &Form_info::set_Edit_ad3);
    lier(email_, &Form_info::set_Edit_email);
    lier(smtp_, &Form_info::set_Edit_smtp);
    lier(port_, &Form_info::set_Edit_port);
    connect(dxcc_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { logique_.set_ComboBox_DXCC(cp(t)); });
    connect(dxcc_, &QComboBox::activated, this, [this](int i) { logique_.selectionner_DXCC(i); });
    connect(categorie_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& t) { logique_.set_ComboBox_Category(cp(t)); });
    connect(categorie_, &QComboBox::activated, this,
            [this](int i) { logique_.set_ComboBox_Category(cp(categorie_->itemText(i))); });
    connect(save_, &QComboBox::activated, this, [this](int i) { logique_.set_combobox_save(i); });
    connect(yl_, &QRadioButton::clicked, this, [this] { logique_.set_RadioButton1(true); });
    connect(om_, &QRadioButton::clicked, this, [this] { logique_.set_RadioButton2(true); });
    connect(ok_, &QPushButton::clicked, this, [this] { logique_.Button_OKClick(); });
    connect(annuler_, &QPushButton::clicked, this, [this] { logique_.Button_annulerClick(); });

    montrer_logique();
    appliquer_geometrie(*this, logique_.geometrie());
    logique_.sur_changement = [this] { montrer_logique(); };
}

FenetreInfo::~FenetreInfo() {
    logique_.sur_changement = nullptr;
}

void FenetreInfo::montrer_logique() {
    setWindowTitle(qs(logique_.Caption()));
    const TextesInfo& t = logique_.textes();
    for (auto [l, texte] : {std::pair{label_op_, &t.Label_op},
                            {label_nr_kaz_, &t.Label_nr_kaz},
                            {label_station_, &t.Label_station},
                            {label_nom_, &t.Label_nom},
                            {label_ad1_, &t.Label_ad1},
                            {label_ad2_, &t.Label_ad2},
                            {label_ad3_, &t.Label_ad3}})
        l->setText(qs(*texte));
    montrer_texte(op_, logique_.Edit_op());
    montrer_texte(nkaz_, logique_.Edit_NKAZ());
    montrer_texte(station_, logique_.Edit_station());
    montrer_texte(nom_, logique_.Edit_nom());
    montrer_texte(ad1_, logique_.Edit_AD1());
    montrer_texte(ad2_, logique_.Edit_ad2());
    montrer_texte(ad3_, logique_.Edit_ad3());
    montrer_texte(email_, logique_.Edit_email());
    montrer_texte(smtp_, logique_.Edit_smtp());
    montrer_texte(port_, logique_.Edit_port());
    {
        const QSignalBlocker b(dxcc_);
        QStringList items;
        for (const auto& i : logique_.ComboBox_DXCC_items())
            items << qs(i);
        if (dxcc_->count() != items.size() ||
            (dxcc_->count() > 0 && dxcc_->itemText(dxcc_->count() - 1) != items.back())) {
            dxcc_->clear();
            dxcc_->addItems(items);
        }
        if (dxcc_->currentIndex() != logique_.ComboBox_DXCC_index())
            dxcc_->setCurrentIndex(logique_.ComboBox_DXCC_index());
        montrer_texte(dxcc_->lineEdit(), logique_.ComboBox_DXCC());
    }
    montrer_texte(categorie_->lineEdit(), logique_.ComboBox_Category());
    {
        const QSignalBlocker b(save_);
        QStringList items;
        for (const auto& i : logique_.combobox_save_items())
            items << qs(i);
        if (save_->count() != items.size()) {
            save_->clear();
            save_->addItems(items);
        }
        save_->setCurrentIndex(logique_.combobox_save());
    }
    yl_->setChecked(logique_.RadioButton1());
    om_->setChecked(logique_.RadioButton2());
    // A group whose two buttons are unchecked needs exclusivity off to show it.
    if (!logique_.RadioButton1() && !logique_.RadioButton2()) {
        yl_->setAutoExclusive(false);
        om_->setAutoExclusive(false);
        yl_->setChecked(false);
        om_->setChecked(false);
        yl_->setAutoExclusive(true);
        om_->setAutoExclusive(true);
    }
    bd_kaz_->setText(qs(logique_.Label_BD_KAZ()));
    bd_yl_->setText(qs(logique_.Label_BD_YL()));
    date_bd_->setText(qs(logique_.Label_Date_BD()));
    info_internet_->setText(qs(logique_.Label_info_Internet()));
    info_internet_->setVisible(logique_.Label_info_Internet_visible());
    etat_bases_->setText(qs(logique_.Label_etat_bases()));
    if (logique_.geometrie() != geometrie_de(*this))
        appliquer_geometrie(*this, logique_.geometrie());
}

// Leaving the operator's box for another control; the window losing the focus to a box
// or to another window is no exit.
bool FenetreInfo::eventFilter(QObject* o, QEvent* e) {
    if (o == op_ && e->type() == QEvent::FocusOut) {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
            logique_.Edit_opExit();
    }
    return QWidget::eventFilter(o, e);
}

// The station form is the program's first window: closing it ends the program.
void FenetreInfo::closeEvent(QCloseEvent* e) {
    e->accept();
    logique_.Button_annulerClick();
}

void FenetreInfo::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

void FenetreInfo::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    logique_.set_geometrie(geometrie_de(*this));
}

} // namespace ylkaz::ui
