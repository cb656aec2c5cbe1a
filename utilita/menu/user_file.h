#pragma once
// The active user and the rights flag, from "C:\VanRete7Ute.dat".
#include <string>

namespace utilita {

struct ActiveUser {
    std::string name;
    bool notEnabled = false;   // the rights flag is exactly "S"
};

// Reads the four values of the user file (name, two unused, rights flag).
// A missing, unreadable or short file gives "AMMINISTRATORE" with every
// right; it is never an error.
ActiveUser ReadActiveUser();

} // namespace utilita
