#include "cli/commandes.h"

#include <iostream>

int main(int argc, char** argv) {
    return ylkaz::executer_commande(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                    std::cerr);
}
