#include "platform/connexion.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>

using namespace ylkaz;

namespace {

sockaddr_in ipv4(const char* texte) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    inet_pton(AF_INET, texte, &a.sin_addr);
    return a;
}

sockaddr_in6 ipv6(const char* texte) {
    sockaddr_in6 a{};
    a.sin6_family = AF_INET6;
    inet_pton(AF_INET6, texte, &a.sin6_addr);
    return a;
}

const sockaddr* sa(const auto& a) {
    return reinterpret_cast<const sockaddr*>(&a);
}

constexpr unsigned actif = IFF_UP | IFF_RUNNING;

TEST(Connexion, InterfaceActiveAvecAdresseRoutable) {
    const auto v4 = ipv4("192.0.2.2");
    const auto prive = ipv4("10.1.2.3");
    const auto v6 = ipv6("2001:db8::2");
    const auto ula = ipv6("fd00::2");
    EXPECT_TRUE(interface_connectee(actif, sa(v4)));
    EXPECT_TRUE(interface_connectee(actif | IFF_BROADCAST | IFF_MULTICAST, sa(prive)));
    EXPECT_TRUE(interface_connectee(actif, sa(v6)));
    EXPECT_TRUE(interface_connectee(actif, sa(ula)));
}

TEST(Connexion, BoucleLocaleArreteeOuSansAdresseNeComptentPas) {
    const auto v4 = ipv4("192.0.2.2");
    EXPECT_FALSE(interface_connectee(actif | IFF_LOOPBACK, sa(v4)));
    EXPECT_FALSE(interface_connectee(IFF_RUNNING, sa(v4)));
    EXPECT_FALSE(interface_connectee(IFF_UP, sa(v4))); // no carrier
    EXPECT_FALSE(interface_connectee(actif, nullptr));
    sockaddr paquet{};
    paquet.sa_family = AF_PACKET;
    EXPECT_FALSE(interface_connectee(actif, &paquet));
}

TEST(Connexion, AdressesQuiNeQuittentPasLeLien) {
    for (const char* a : {"0.0.0.0", "127.0.0.1", "127.8.9.10", "169.254.3.4"})
        EXPECT_FALSE(interface_connectee(actif, sa(ipv4(a)))) << a;
    for (const char* a : {"::", "::1", "fe80::fc:ff:fe00:1"})
        EXPECT_FALSE(interface_connectee(actif, sa(ipv6(a)))) << a;
    EXPECT_TRUE(interface_connectee(actif, sa(ipv4("169.253.255.255"))));
    EXPECT_TRUE(interface_connectee(actif, sa(ipv4("128.0.0.1"))));
}

} // namespace
