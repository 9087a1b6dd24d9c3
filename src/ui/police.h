#pragma once
#include <QFont>
#include <QFontDatabase>

namespace ylkaz::ui {

// Tahoma bold where installed, the system's sans-serif bold otherwise.
inline QFont police_programme(int points) {
    QFont f(QFontDatabase::families().contains(QStringLiteral("Tahoma"))
                ? QStringLiteral("Tahoma")
                : QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(true);
    return f;
}

} // namespace ylkaz::ui
