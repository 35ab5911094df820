// Opens web addresses in the user's default browser. Failures are ignored: with no
// browser, nothing happens. Tests install a recorder instead.
#pragma once

#include <QString>

namespace links {

class Opener {
public:
    virtual ~Opener() = default;
    // Receives the address exactly as built.
    virtual void open(const QString& address) = 0;
};

// Replaces the opener for the whole program; nullptr restores the system's.
// The caller keeps ownership.
void setOpener(Opener* opener);

void open(const QString& address);

}  // namespace links
