#include "platform/lecteurs.h"

#include "platform/fichiers.h"

#include <algorithm>
#include <array>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ylkaz {

std::string nom_type_lecteur(int code) {
    switch (static_cast<TypeLecteur>(code)) {
    case TypeLecteur::inexistant:
        return "Inexistant";
    case TypeLecteur::amovible:
        return "Disque Amovible";
    case TypeLecteur::fixe:
        return "Disque dur";
    case TypeLecteur::distant:
        return "Lecteur distant";
    case TypeLecteur::optique:
        return "CD-ROM";
    case TypeLecteur::ram:
        return "RamDisk";
    default:
        return "Inutilisable";
    }
}

std::string Lecteur::texte() const {
    return nom_stocke(racine) + " " + nom_type();
}

namespace {

bool liste_ou_absente(int code) {
    return code == static_cast<int>(TypeLecteur::optique) ||
           code == static_cast<int>(TypeLecteur::inexistant);
}

} // namespace

LecteursWindows::LecteursWindows(FonctionType type_lecteur)
    : type_lecteur_(std::move(type_lecteur)) {}

std::vector<Lecteur> LecteursWindows::lister() const {
    std::vector<Lecteur> l;
    for (char lettre = 'A'; lettre <= 'Y'; ++lettre) {
        const std::string racine = std::string(1, lettre) + ":\\";
        const int code = type_lecteur_(racine);
        if (liste_ou_absente(code)) continue;
        l.push_back({racine, code});
    }
    return l;
}

int LecteursWindows::type(const std::filesystem::path& racine) const {
    return type_lecteur_(racine.string());
}

namespace {

// The kernel writes blanks, tabs, newlines and backslashes of a mount point as \ooo.
std::string decoder_octal(std::string_view s) {
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && octal(s[i + 1]) && octal(s[i + 2]) &&
            octal(s[i + 3])) {
            const int v = (s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0');
            if (v < 256) {
                r += static_cast<char>(v);
                i += 3;
                continue;
            }
        }
        r += s[i];
    }
    return r;
}

std::vector<std::string_view> champs(std::string_view ligne) {
    std::vector<std::string_view> c;
    std::size_t i = 0;
    while (i < ligne.size()) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t'))
            ++i;
        const std::size_t debut = i;
        while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t')
            ++i;
        if (i > debut) c.push_back(ligne.substr(debut, i - debut));
    }
    return c;
}

bool option_ro(std::string_view options) {
    while (!options.empty()) {
        const auto v = options.find(',');
        if (options.substr(0, v) == "ro") return true;
        if (v == std::string_view::npos) break;
        options.remove_prefix(v + 1);
    }
    return false;
}

template <std::size_t N>
bool parmi(std::string_view s, const std::array<std::string_view, N>& liste) {
    return std::find(liste.begin(), liste.end(), s) != liste.end();
}

constexpr std::array<std::string_view, 22> types_pseudo = {
    "proc",       "sysfs",      "devtmpfs",  "devpts",     "cgroup",      "cgroup2",
    "securityfs", "debugfs",    "tracefs",   "pstore",     "bpf",         "mqueue",
    "hugetlbfs",  "configfs",   "fusectl",   "autofs",     "binfmt_misc", "efivarfs",
    "nsfs",       "rpc_pipefs", "selinuxfs", "fuse.portal"};
constexpr std::array<std::string_view, 17> types_reseau = {
    "nfs",   "nfs4",      "cifs",           "smb3",       "smbfs", "ncpfs",       "afs",
    "ceph",  "glusterfs", "fuse.glusterfs", "fuse.sshfs", "sshfs", "fuse.rclone", "fuse.s3fs",
    "davfs", "9p",        "lustre"};
constexpr std::array<std::string_view, 2> types_ram = {"tmpfs", "ramfs"};
constexpr std::array<std::string_view, 2> types_optiques = {"iso9660", "udf"};
// Folders of the system itself: nothing mounted there is a place for the operator's copy.
constexpr std::array<std::string_view, 10> dossiers_systeme = {
    "/proc", "/sys", "/dev", "/run", "/boot", "/efi", "/snap", "/var", "/usr", "/etc"};

// p is strictly inside `dossier`.
bool dedans(std::string_view p, std::string_view dossier) {
    return p.size() > dossier.size() + 1 && p.substr(0, dossier.size()) == dossier &&
           p[dossier.size()] == '/';
}

bool du_systeme(std::string_view p) {
    for (auto d : dossiers_systeme)
        if (p == d || dedans(p, d)) return true;
    return false;
}

std::optional<int> classer(const Montage& m, bool accepter_lecture_seule) {
    if (m.lecture_seule && !accepter_lecture_seule) return std::nullopt;
    if (parmi(m.type, types_pseudo)) return std::nullopt;
    const std::string p = m.point.generic_string();
    if (p == "/") return static_cast<int>(TypeLecteur::fixe);
    const bool amovible = dedans(p, "/media") || dedans(p, "/run/media");
    if (!amovible && du_systeme(p)) return std::nullopt;
    if (parmi(m.type, types_reseau)) return static_cast<int>(TypeLecteur::distant);
    if (parmi(m.type, types_ram)) return static_cast<int>(TypeLecteur::ram);
    if (parmi(m.type, types_optiques)) return static_cast<int>(TypeLecteur::optique);
    if (amovible) return static_cast<int>(TypeLecteur::amovible);
    // Another disk mounted by hand (a stick on /mnt/usb, a second disk on /data).
    if (m.source.rfind("/dev/", 0) == 0) return static_cast<int>(TypeLecteur::fixe);
    return std::nullopt;
}

std::string sans_barre_finale(std::string p) {
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

// The visible mount of each mount point (the last one mounted there), in the order the
// points first appear.
std::vector<Montage> visibles(std::vector<Montage> tous) {
    std::vector<Montage> r;
    for (auto& m : tous) {
        auto meme =
            std::find_if(r.begin(), r.end(), [&](const Montage& x) { return x.point == m.point; });
        if (meme != r.end())
            *meme = std::move(m);
        else
            r.push_back(std::move(m));
    }
    return r;
}

} // namespace

std::vector<Montage> lire_montages(std::string_view texte) {
    std::vector<Montage> r;
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        const auto c = champs(ligne);
        if (c.size() < 4) continue;
        Montage m;
        m.source = decoder_octal(c[0]);
        m.point = sans_barre_finale(decoder_octal(c[1]));
        m.type = std::string(c[2]);
        m.lecture_seule = option_ro(c[3]);
        r.push_back(std::move(m));
    }
    return r;
}

std::optional<int> classer_montage(const Montage& m) {
    return classer(m, false);
}

LecteursLinux::LecteursLinux()
    : LecteursLinux([] { return lire_fichier("/proc/self/mounts").value_or(""); },
                    [](const std::filesystem::path& p) {
                        std::error_code ec;
                        return std::filesystem::is_directory(p, ec);
                    }) {}

LecteursLinux::LecteursLinux(LireTable lire_table, EstDossier est_dossier)
    : lire_table_(std::move(lire_table)), est_dossier_(std::move(est_dossier)) {}

std::vector<Lecteur> LecteursLinux::lister() const {
    std::vector<Lecteur> l;
    for (const auto& m : visibles(lire_montages(lire_table_()))) {
        const auto code = classer(m, false);
        if (!code || liste_ou_absente(*code) || !est_dossier_(m.point)) continue;
        l.push_back({m.point, *code});
    }
    return l;
}

int LecteursLinux::type(const std::filesystem::path& racine) const {
    const std::filesystem::path cherche = sans_barre_finale(racine.generic_string());
    for (const auto& m : visibles(lire_montages(lire_table_()))) {
        if (m.point != cherche) continue;
        if (!est_dossier_(m.point)) break;
        // A drive that went read-only since it was chosen is still there: the copy will
        // fail with the system's reason, which tells the operator more than silence.
        return classer(m, true).value_or(static_cast<int>(TypeLecteur::indetermine));
    }
    // Not mounted any more: an empty mount folder left behind is not the drive.
    return static_cast<int>(TypeLecteur::inexistant);
}

std::unique_ptr<Lecteurs> lecteurs_systeme() {
#ifdef _WIN32
    return std::make_unique<LecteursWindows>([](const std::string& racine) {
        return static_cast<int>(::GetDriveTypeA(racine.c_str()));
    });
#else
    return std::make_unique<LecteursLinux>();
#endif
}

} // namespace ylkaz
