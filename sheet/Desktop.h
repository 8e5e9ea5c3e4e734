// What the engine takes from the desktop it runs on: the regional settings and the shell.
#pragma once

#include "platform/Locale.h"

#include <functional>
#include <string>

namespace qv {

// Held by the manager; the application installs the user's settings at start-up. Tests and tools keep the
// defaults, which depend on nothing outside the process.
class TXLDesktop {
public:
    // The locale every conversion and display of the engine uses; the Chinese defaults until one is set.
    const Locale& GetLocale() const { return m_locale; }
    void SetLocale(const Locale& locale) { m_locale = locale; }

    // The shell's default action for an address (a link cell's double click). Empty until the application
    // installs one; a link cell checks the address before handing it over.
    std::function<void(const std::string& address)> ShellOpen;

private:
    Locale m_locale = Locale::ChinaDefault();
};

} // namespace qv
