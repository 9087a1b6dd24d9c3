#pragma once
// The entry bar's date and time pickers, and the two time-mode buttons with Label_temps,
// bound both ways to QSO entry.
#include "log/saisie_qso.h"

#include <QDateEdit>
#include <QLabel>
#include <QTimeEdit>
#include <QToolButton>
#include <QWidget>

namespace ylkaz::ui {

// "DATE" and DateTimePicker_date ("dd/MM/yyyy"), "QTR" and DateTimePicker_time ("HH:mm").
class BarreDates : public QWidget {
    Q_OBJECT
  public:
    BarreDates(Saisie_QSO& saisie, QWidget* parent = nullptr);
    QDateEdit& DateTimePicker_date() { return *date_; }
    QTimeEdit& DateTimePicker_time() { return *heure_; }
    QLabel& Label_date() { return *label_date_; }
    // Shows the pickers' values and enabled state.
    void rafraichir();

  private:
    Saisie_QSO& saisie_;
    QDateEdit* date_;
    QTimeEdit* heure_;
    QLabel* label_date_;
};

// SpeedButton_temps_differe, SpeedButton_temps_reel and Label_temps.
class BarreTemps : public QWidget {
    Q_OBJECT
  public:
    BarreTemps(Saisie_QSO& saisie, QWidget* parent = nullptr);
    QToolButton& SpeedButton_temps_differe() { return *differe_; }
    QToolButton& SpeedButton_temps_reel() { return *reel_; }
    QLabel& Label_temps() { return *label_; }
    void rafraichir();

  private:
    Saisie_QSO& saisie_;
    QToolButton* differe_;
    QToolButton* reel_;
    QLabel* label_;
};

} // namespace ylkaz::ui
