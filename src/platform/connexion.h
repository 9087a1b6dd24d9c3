#pragma once
// Whether the computer has a network connection: an interface other than loopback that
// is up and has an address.
#include <sys/socket.h>

namespace ylkaz {

class Connexion {
  public:
    virtual ~Connexion() = default;
    virtual bool connecte() const = 0;
};

// Asks the system (getifaddrs) at every call.
class ConnexionSysteme : public Connexion {
  public:
    bool connecte() const override;
};

// Whether one entry of getifaddrs counts: up and running, not loopback, with an IPv4 or
// IPv6 address that can leave the link (loopback, unspecified and link-local addresses,
// which every interface gets without any network, do not count).
bool interface_connectee(unsigned int drapeaux, const sockaddr* adresse);

} // namespace ylkaz
