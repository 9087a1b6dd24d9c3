#pragma once
// What the SMTP and HTTPS transports share about libcurl.
#include <curl/curl.h>

#include <memory>
#include <string>

namespace ylkaz::curl {

// libcurl's process-wide set-up, done once before the first handle.
void initialiser();

struct LibererEasy {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
using Easy = std::unique_ptr<CURL, LibererEasy>;

struct LibererSlist {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using Slist = std::unique_ptr<curl_slist, LibererSlist>;

// Appends a line to the list; false when memory runs out.
bool ajouter(Slist& liste, const std::string& ligne);

// The text libcurl left in its error buffer, or the generic text of the code.
std::string texte_erreur(CURLcode code, const char* tampon);

} // namespace ylkaz::curl
