#include "barre_saisie.h"

#include "police.h"
#include "texte_qt.h"

#include <QHBoxLayout>
#include <QSignalBlocker>

namespace ylkaz::ui {
namespace {

QLabel* etiquette(const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    l->setFont(police_programme(8));
    return l;
}

} // namespace

BarreDates::BarreDates(Saisie_QSO& saisie, QWidget* parent)
    : QWidget(parent), saisie_(saisie), date_(new QDateEdit(this)), heure_(new QTimeEdit(this)) {
    auto* ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    date_->setObjectName(QStringLiteral("DateTimePicker_date"));
    date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    date_->setCalendarPopup(true);
    date_->setFont(police_programme(8));
    heure_->setObjectName(QStringLiteral("DateTimePicker_time"));
    heure_->setDisplayFormat(QStringLiteral("HH:mm"));
    heure_->setFont(police_programme(8));
    // The main window puts the language's text there.
    label_date_ = etiquette(QStringLiteral("DATE"), this);
    ligne->addWidget(label_date_);
    ligne->addWidget(date_);
    ligne->addWidget(etiquette(QStringLiteral("QTR"), this));
    ligne->addWidget(heure_);

    connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        saisie_.set_DateTimePicker_date({d.year(), d.month(), d.day()});
    });
    connect(heure_, &QTimeEdit::timeChanged, this, [this](const QTime& t) {
        saisie_.set_DateTimePicker_time(t.hour(), t.minute(), t.second());
    });
    rafraichir();
}

void BarreDates::rafraichir() {
    const auto& d = saisie_.DateTimePicker_date();
    const auto& t = saisie_.DateTimePicker_time();
    const QSignalBlocker b1(date_), b2(heure_);
    const QDate date(d.date.annee, d.date.mois, d.date.jour);
    if (date_->date() != date) date_->setDate(date);
    const QTime heure(t.heure, t.minute, t.seconde);
    if (heure_->time() != heure) heure_->setTime(heure);
    date_->setEnabled(d.Enabled);
    heure_->setEnabled(t.Enabled);
}

BarreTemps::BarreTemps(Saisie_QSO& saisie, QWidget* parent)
    : QWidget(parent), saisie_(saisie), differe_(new QToolButton(this)),
      reel_(new QToolButton(this)), label_(etiquette(QString(), this)) {
    auto* ligne = new QHBoxLayout(this);
    ligne->setContentsMargins(0, 0, 0, 0);
    differe_->setObjectName(QStringLiteral("SpeedButton_temps_differe"));
    differe_->setText(QStringLiteral("TD"));
    reel_->setObjectName(QStringLiteral("SpeedButton_temps_reel"));
    reel_->setText(QStringLiteral("TR"));
    for (QToolButton* b : {differe_, reel_}) {
        b->setFont(police_programme(8));
        // The log table keeps the keyboard: typing goes on there after a click.
        b->setFocusPolicy(Qt::NoFocus);
    }
    label_->setObjectName(QStringLiteral("Label_temps"));
    ligne->addWidget(differe_);
    ligne->addWidget(reel_);
    ligne->addWidget(label_);
    connect(differe_, &QToolButton::clicked, this,
            [this] { saisie_.SpeedButton_temps_differeClick(); });
    connect(reel_, &QToolButton::clicked, this, [this] { saisie_.SpeedButton_temps_reelClick(); });
    rafraichir();
}

void BarreTemps::rafraichir() {
    label_->setText(qs(saisie_.Label_temps()));
}

} // namespace ylkaz::ui
