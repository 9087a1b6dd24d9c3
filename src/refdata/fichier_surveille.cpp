#include "refdata/fichier_surveille.h"

#include "platform/cp1252.h"
#include "platform/fichiers.h"

#include <algorithm>
#include <sys/stat.h>

namespace ylkaz {
namespace {

using Empreinte = FichierSurveille::Empreinte;

long long ns(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// File times come from the kernel's coarse clock. A status whose change time is older
// than that clock's previous tick cannot be matched by a later change; a newer one can.
#ifdef CLOCK_REALTIME_COARSE
constexpr clockid_t HORLOGE = CLOCK_REALTIME_COARSE;
#else
constexpr clockid_t HORLOGE = CLOCK_REALTIME;
#endif

long long pas_horloge() {
    static const long long pas = [] {
        timespec t{};
        ::clock_getres(HORLOGE, &t);
        // Never less than the longest tick a Linux kernel uses.
        return std::max(ns(t), 10'000'000LL);
    }();
    return pas;
}

std::optional<Empreinte> statut(const std::filesystem::path& p, bool dossier) {
    timespec maintenant{};
    ::clock_gettime(HORLOGE, &maintenant);
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0) return std::nullopt;
    if (dossier ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) return std::nullopt;
    Empreinte e;
    e.dev = st.st_dev;
    e.ino = st.st_ino;
    e.taille = st.st_size;
    e.mtime = st.st_mtim;
    e.ctime = st.st_ctim;
    // Every change to the file moves its ctime, whatever is done to its mtime.
    e.sure = ns(st.st_ctim) < ns(maintenant) - pas_horloge();
    return e;
}

bool pareil(const std::optional<Empreinte>& a, const std::optional<Empreinte>& b) {
    if (!a || !b) return !a && !b;
    return a->sure && a->dev == b->dev && a->ino == b->ino && a->taille == b->taille &&
           ns(a->mtime) == ns(b->mtime) && ns(a->ctime) == ns(b->ctime);
}

} // namespace

FichierSurveille::Etat FichierSurveille::verifier(const std::filesystem::path& dossier) {
    if (!resolu_ || dossier.native() != dossier_.native()) {
        dossier_ = dossier;
        resolu_ = false;
        chemin_.reset();
        dossier_vu_.reset();
    }
    const auto avant = fichier_;
    if (resolu_ && chemin_ && exact_) {
        if (auto e = statut(*chemin_, false)) {
            fichier_ = e;
            return {&*chemin_, !pareil(avant, fichier_)};
        }
        resolu_ = false; // gone, or left for another spelling
    }
    // Missing, or found under another spelling: only a change of the folder's entries can
    // make another name the right one.
    const auto d = statut(dossier_, true);
    if (!resolu_ || !pareil(dossier_vu_, d)) {
        dossier_vu_ = d;
        chemin_ = d ? trouver_sans_casse(dossier_, nom_) : std::nullopt;
        exact_ = chemin_ && chemin_->filename() == std::filesystem::path(cp1252_vers_utf8(nom_));
        resolu_ = true;
    }
    fichier_ = chemin_ ? statut(*chemin_, false) : std::nullopt;
    return {fichier_ ? &*chemin_ : nullptr, !pareil(avant, fichier_)};
}

} // namespace ylkaz
