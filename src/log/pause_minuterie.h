#pragma once
// Keeps the one-second tick from running inside an operation: stopped while the pause
// lives, running again afterwards when it ran before, or in every case when asked.
#include "platform/interfaces.h"

namespace ylkaz {

class PauseMinuterie {
  public:
    PauseMinuterie(Minuterie& m, bool toujours_relancer)
        : m_(m), relancer_(toujours_relancer || m.actif()) {
        m_.arreter();
    }
    ~PauseMinuterie() {
        if (relancer_) m_.demarrer();
    }
    PauseMinuterie(const PauseMinuterie&) = delete;
    PauseMinuterie& operator=(const PauseMinuterie&) = delete;

  private:
    Minuterie& m_;
    bool relancer_;
};

} // namespace ylkaz
