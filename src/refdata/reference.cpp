#include "refdata/reference.h"

#include "platform/erreur.h"
#include "platform/fichiers.h"
#include "refdata/fichier_surveille.h"
#include "refdata/lecture_reference.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace ylkaz {
namespace {

constexpr std::string_view NOM_CTY = "CTY_WT.DAT";
// The conversion and the lookups use one spelling, so that both reach the same file even
// where two spellings of it exist side by side.
constexpr std::string_view NOM_PREFIXES = "DXCC.csv";
constexpr std::string_view NOM_MEMBRES = "KAZ_mini_2021.csv";
constexpr std::string_view NOM_YL = "BD_YL.csv";

std::string majuscules(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// The first digit at the second position or later.
std::size_t premier_chiffre(std::string_view s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if (chiffre(s[i])) return i;
    return std::string_view::npos;
}

std::string_view rogner(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.remove_suffix(1);
    return s;
}

[[noreturn]] void echec_lecture(const std::filesystem::path& p, int numero) {
    throw Erreur(nom_stocke(p) + " : " + texte_erreur_systeme(numero));
}

std::string lire_ou_echouer(const std::filesystem::path& p) {
    // Non-blocking, so that a pipe found under the name cannot hang the program.
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) echec_lecture(p, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        echec_lecture(p, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    }
    std::string contenu;
    char bloc[65536];
    for (;;) {
        const ssize_t n = ::read(fd, bloc, sizeof bloc);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int numero = errno;
            ::close(fd);
            echec_lecture(p, numero);
        }
        contenu.append(bloc, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return contenu;
}

// The lookup table of one file, read again whenever the file may have changed.
template <class T> class IndexFichier {
  public:
    using Lecteur = TableReference<T> (*)(std::string_view);
    IndexFichier(std::string_view nom, Lecteur lire) : fichier_(std::string(nom)), lire_(lire) {}

    const TableReference<T>& table(const std::filesystem::path& dossier) {
        const auto etat = fichier_.verifier(dossier);
        if (!etat.change) return table_;
        if (!etat.chemin) {
            table_.clear();
            contenu_.reset();
            return table_;
        }
        std::string contenu;
        try {
            contenu = lire_ou_echouer(*etat.chemin);
        } catch (...) {
            fichier_.oublier();
            table_.clear();
            contenu_.reset();
            throw;
        }
        // A file written a moment ago is read at every lookup until its status can be
        // trusted; most of those reads find the same bytes.
        if (contenu_ != contenu) {
            table_ = lire_(contenu);
            contenu_ = std::move(contenu);
        }
        return table_;
    }

  private:
    FichierSurveille fichier_;
    Lecteur lire_;
    TableReference<T> table_;
    std::optional<std::string> contenu_;
};

template <class T> const T* chercher(const TableReference<T>& t, std::string_view cle) {
    const auto it = t.find(cle);
    return it == t.end() ? nullptr : &it->second;
}

} // namespace

std::string Indicatif_base(std::string_view indicatif) {
    std::string s(indicatif);
    // A substring test: DL/AB1CD holds "/A" and gives DL.
    for (const char* portable : {"/A", "/P", "/M", "/MM", "/QRP", "/N"}) {
        if (s.find(portable) != std::string::npos) {
            s.resize(s.rfind('/'));
            break;
        }
    }
    if (const auto barre = s.find('/'); barre != std::string::npos) s.erase(0, barre + 1);
    return s;
}

struct Reference::Impl {
    Impl(const Dossiers& d, Telechargement t) : dossiers(d), telecharger_cty(std::move(t)) {}
    const Dossiers& dossiers;
    Telechargement telecharger_cty;
    IndexFichier<ResultatsPays> prefixes{NOM_PREFIXES, lire_prefixes};
    IndexFichier<ResultatsMembre> membres{NOM_MEMBRES, lire_membres};
    IndexFichier<std::string> liste_yl{NOM_YL, lire_liste_yl};
    ResultatsMembre membre;
    ResultatsPays pays;

    const std::filesystem::path& dossier_prog() { return prog.de(dossiers.CHEMIN_PROG); }
    const std::filesystem::path& dossier_bd() { return bd.de(dossiers.CHEMIN_BD); }

    // A stored folder name made a path once, not at every lookup.
    struct Dossier {
        std::string nom;
        std::filesystem::path chemin;
        const std::filesystem::path& de(const std::string& n) {
            if (n != nom || chemin.empty()) {
                nom = n;
                chemin = ylkaz::chemin(n);
            }
            return chemin;
        }
    };
    Dossier prog, bd;
};

Reference::Reference(const Dossiers& dossiers, Telechargement telecharger_cty)
    : impl_(std::make_unique<Impl>(dossiers, std::move(telecharger_cty))) {}

Reference::~Reference() = default;

const ResultatsMembre& Reference::membre() const {
    return impl_->membre;
}
const ResultatsPays& Reference::pays() const {
    return impl_->pays;
}

const ResultatsMembre& Reference::Recherche_membre(std::string_view indicatif) {
    // Copied first: the call may be one of the results about to be reset.
    const std::string appel(indicatif);
    const std::string base = Indicatif_base(majuscules(appel));
    auto& m = impl_->membre;
    m = ResultatsMembre{};
    // The YL list is keyed by the call exactly as typed, portable designator included.
    const auto& yl = impl_->liste_yl.table(impl_->dossier_bd());
    if (const auto* nom = chercher(yl, appel)) {
        m.membre_nom = *nom;
        m.sexe = "YL";
        return m;
    }
    const auto cle = rogner(base);
    if (cle.empty()) return m;
    if (const auto* trouve = chercher(impl_->membres.table(impl_->dossier_bd()), cle)) m = *trouve;
    return m;
}

std::vector<std::string> Reference::Conversion_cty() {
    const auto dossier = impl_->dossier_prog();
    auto cty = trouver_sans_casse(dossier, NOM_CTY);
    if (!cty && impl_->telecharger_cty) {
        impl_->telecharger_cty();
        cty = trouver_sans_casse(dossier, NOM_CTY);
    }
    if (!cty) return {};
    auto conversion = convertir_cty(lire_ou_echouer(*cty));
    remplacer_fichier(fichier_sans_casse(dossier, NOM_PREFIXES), conversion.prefixes);
    return std::move(conversion.liste);
}

const ResultatsPays& Reference::Recherche_dxcc(std::string_view prefixe) {
    auto& p = impl_->pays;
    const auto* trouve = chercher(impl_->prefixes.table(impl_->dossier_prog()), prefixe);
    p = trouve ? *trouve : ResultatsPays{};
    return p;
}

const ResultatsPays& Reference::Recherche_pays(std::string_view indicatif) {
    auto& p = impl_->pays;
    std::string s = majuscules(indicatif);
    if (s.empty()) return p;
    if (const auto barre = s.find('/'); barre != std::string::npos) s.resize(barre);
    if (s.empty()) return p = ResultatsPays{}; // the call began with "/": no prefix to try
    // One status check for all four candidates.
    const auto& table = impl_->prefixes.table(impl_->dossier_prog());
    const ResultatsPays* trouve = nullptr;
    auto essayer = [&](std::string_view candidat) {
        trouve = chercher(table, candidat);
        return trouve && !trouve->pays_dxcc.empty();
    };

    auto c = premier_chiffre(s);
    if (chiffre(s.front())) {
        if (c != std::string::npos) s.resize(c); // 9A1AA gives 9A
    } else if (c != std::string::npos && c + 1 < s.size()) {
        s.resize(c + 2); // F4ABC gives F4A
    }
    if (!essayer(s)) {
        c = premier_chiffre(s);
        if (c != std::string::npos) s.resize(c + 1);
        if (!essayer(s)) {
            s.pop_back();
            if (!essayer(s)) essayer(indicatif.substr(0, 1));
        }
    }
    // Copied into the kept results, whose strings keep their room from call to call.
    if (trouve) {
        p = *trouve;
    } else {
        p = ResultatsPays{};
    }
    return p;
}

} // namespace ylkaz
