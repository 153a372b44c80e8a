// Every test program runs in the same locale whatever the developer's desktop uses: a Chinese one,
// so that a system.ini without a language entry gives the Chinese interface, as the tests expect
// unless they choose English. LANGUAGE keeps the system's own messages (strerror) in English.
#include <cstdlib>

namespace {

[[maybe_unused]] const bool s_localeSet = [] {
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::setenv("LANG", "zh_CN.UTF-8", 1);
    ::setenv("LANGUAGE", "en", 1);
    return true;
}();

} // namespace
