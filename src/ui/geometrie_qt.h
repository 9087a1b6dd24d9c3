#pragma once
// A window's place and size between its logic object and the screen.
#include "app/fenetre.h"

#include <QWidget>
#include <algorithm>

namespace ylkaz::ui {

// Values from the settings file are the operator's to edit: keep them within what a
// screen can hold so that a wild number never asks Qt for a gigantic window.
inline void appliquer_geometrie(QWidget& w, const Geometrie& g) {
    w.move(std::clamp(g.left, -10000, 10000), std::clamp(g.top, -10000, 10000));
    w.resize(std::clamp(g.width, 100, 10000), std::clamp(g.height, 50, 10000));
}

inline Geometrie geometrie_de(const QWidget& w) {
    return {w.x(), w.y(), w.width(), w.height()};
}

} // namespace ylkaz::ui
