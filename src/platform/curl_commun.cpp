#include "platform/curl_commun.h"

#include <cstring>

namespace ylkaz::curl {

void initialiser() {
    // curl_easy_init would do it implicitly, but not in a thread-safe way on every build.
    [[maybe_unused]] static const CURLcode fait = curl_global_init(CURL_GLOBAL_DEFAULT);
}

bool ajouter(Slist& liste, const std::string& ligne) {
    curl_slist* suite = curl_slist_append(liste.get(), ligne.c_str());
    if (!suite) return false;
    liste.release();
    liste.reset(suite);
    return true;
}

std::string texte_erreur(CURLcode code, const char* tampon) {
    std::string texte = tampon ? tampon : "";
    while (!texte.empty() && (texte.back() == '\n' || texte.back() == '\r'))
        texte.pop_back();
    if (texte.empty()) texte = curl_easy_strerror(code);
    return texte;
}

} // namespace ylkaz::curl
