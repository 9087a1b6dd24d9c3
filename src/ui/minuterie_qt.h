#pragma once
// The main window's one-second tick.
#include "platform/interfaces.h"

#include <QTimer>

#include <functional>

namespace ylkaz::ui {

class MinuterieQt : public Minuterie {
  public:
    MinuterieQt() {
        timer_.setInterval(1000);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (sur_tick) sur_tick();
        });
    }
    void demarrer() override { timer_.start(); }
    void arreter() override { timer_.stop(); }
    bool actif() const override { return timer_.isActive(); }

    // The tick's work.
    std::function<void()> sur_tick;

  private:
    QTimer timer_;
};

} // namespace ylkaz::ui
