#pragma once
// What every window's logic object shares: its place and size, and one notice to the
// window on screen whenever a field changed, so that it can show the new values.
#include "app/etat.h"

#include <functional>
#include <utility>

namespace ylkaz {

class FenetreLogique {
  public:
    const Geometrie& geometrie() const { return geometrie_; }
    void set_geometrie(const Geometrie& g) {
        if (g == geometrie_) return;
        Lot lot(*this);
        geometrie_ = g;
        lot.change();
    }

    // Called once after a change, when the handlers it ran are done.
    std::function<void()> sur_changement;

  protected:
    explicit FenetreLogique(const Geometrie& g) : geometrie_(g) {}
    ~FenetreLogique() = default;
    FenetreLogique(const FenetreLogique&) = delete;
    FenetreLogique& operator=(const FenetreLogique&) = delete;

    // One change, or a change and the changes its handlers make: the notice goes out
    // when the outermost one ends, and only if something changed.
    class Lot {
      public:
        explicit Lot(FenetreLogique& f) : f_(f) { ++f_.profondeur_; }
        ~Lot() {
            if (--f_.profondeur_ == 0 && std::exchange(f_.change_, false) && f_.sur_changement)
                f_.sur_changement();
        }
        Lot(const Lot&) = delete;
        Lot& operator=(const Lot&) = delete;
        void change() { f_.change_ = true; }

      private:
        FenetreLogique& f_;
    };

  private:
    Geometrie geometrie_;
    int profondeur_ = 0;
    bool change_ = false;
};

} // namespace ylkaz
