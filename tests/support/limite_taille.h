#pragma once
// While it lives, no file of this process may grow beyond a few bytes: a write failure
// that stops every user, root included, where folder permissions would not.
#include <csignal>
#include <sys/resource.h>

namespace ylkaz::test {

class LimiteTaille {
  public:
    explicit LimiteTaille(rlim_t octets) {
        ancien_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &ancienne_);
        rlimit l = ancienne_;
        l.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &l);
    }
    ~LimiteTaille() {
        ::setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancien_signal_);
    }
    LimiteTaille(const LimiteTaille&) = delete;
    LimiteTaille& operator=(const LimiteTaille&) = delete;

  private:
    rlimit ancienne_{};
    void (*ancien_signal_)(int) = nullptr;
};

} // namespace ylkaz::test
