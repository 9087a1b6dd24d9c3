#include "platform/connexion.h"

#include <cstdint>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace ylkaz {

bool interface_connectee(unsigned int drapeaux, const sockaddr* adresse) {
    if (!adresse || !(drapeaux & IFF_UP) || !(drapeaux & IFF_RUNNING) || (drapeaux & IFF_LOOPBACK))
        return false;
    if (adresse->sa_family == AF_INET) {
        const auto* a = reinterpret_cast<const sockaddr_in*>(adresse);
        const std::uint32_t ip = ntohl(a->sin_addr.s_addr);
        const bool locale = (ip >> 24) == 127 || (ip >> 16) == 0xA9FE; // 127/8, 169.254/16
        return ip != 0 && !locale;
    }
    if (adresse->sa_family == AF_INET6) {
        const auto* a = reinterpret_cast<const sockaddr_in6*>(adresse);
        const in6_addr& ip = a->sin6_addr;
        return !IN6_IS_ADDR_UNSPECIFIED(&ip) && !IN6_IS_ADDR_LOOPBACK(&ip) &&
               !IN6_IS_ADDR_LINKLOCAL(&ip);
    }
    return false;
}

bool ConnexionSysteme::connecte() const {
    ifaddrs* liste = nullptr;
    if (::getifaddrs(&liste) != 0) return false;
    bool trouve = false;
    for (const ifaddrs* i = liste; i && !trouve; i = i->ifa_next)
        trouve = interface_connectee(i->ifa_flags, i->ifa_addr);
    ::freeifaddrs(liste);
    return trouve;
}

} // namespace ylkaz
