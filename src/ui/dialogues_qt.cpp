#include "dialogues_qt.h"

#include "texte_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace ylkaz::ui {

QString texte_boite(const std::string& t) {
    std::string s;
    s.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c != '\r' && c != '\n') {
            s += c;
            continue;
        }
        if (i + 1 < t.size() && (t[i + 1] == '\r' || t[i + 1] == '\n') && t[i + 1] != c) ++i;
        s += '\n';
    }
    return qs(s);
}

QWidget* DialoguesQt::parent() const {
    QWidget* active = QApplication::activeWindow();
    for (const auto& w : fenetres_)
        if (w && w == active) return w;
    for (const auto& w : fenetres_)
        if (w && w->isVisible()) return w;
    return nullptr;
}

void DialoguesQt::message(const std::string& texte) {
    QMessageBox::information(parent(), QApplication::applicationName(), texte_boite(texte));
}

bool DialoguesQt::question(const std::string& texte) {
    return QMessageBox::question(parent(), QApplication::applicationName(), texte_boite(texte),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// "Fichier YL|*.YL" is a name and its patterns; Qt writes "Fichier YL (*.YL)".
std::optional<std::string> DialoguesQt::ouvrir_fichier(const std::string& dossier,
                                                       const std::string& filtre) {
    const QString f = qs(filtre);
    const qsizetype barre = f.indexOf(QLatin1Char('|'));
    const QString filtre_qt =
        barre < 0 ? f : f.left(barre) + QStringLiteral(" (") + f.mid(barre + 1) + QLatin1Char(')');
    const QString choix =
        QFileDialog::getOpenFileName(parent(), QStringLiteral("Ouvrir"), qs(dossier), filtre_qt);
    if (choix.isEmpty()) return std::nullopt;
    return cp(choix);
}

std::optional<std::string> DialoguesQt::choisir_dossier(const std::string& dossier) {
    const QString choix = QFileDialog::getExistingDirectory(parent(), QString(), qs(dossier));
    if (choix.isEmpty()) return std::nullopt;
    return cp(choix);
}

void DialoguesQt::montrer(Fenetre f) {
    QWidget* w = fenetre(f);
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

void DialoguesQt::cacher(Fenetre f) {
    if (QWidget* w = fenetre(f)) w->hide();
}

} // namespace ylkaz::ui
