#pragma once
// The one place where the core's Windows-1252 text meets Qt's Unicode strings.
#include "platform/cp1252.h"

#include <QString>
#include <string>

namespace ylkaz::ui {

inline QString qs(const std::string& cp1252_texte) {
    return QString::fromStdString(cp1252_vers_utf8(cp1252_texte));
}

inline std::string cp(const QString& texte) {
    return utf8_vers_cp1252(texte.toStdString());
}

} // namespace ylkaz::ui
