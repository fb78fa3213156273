#pragma once
// Root may read and write any file whatever its permissions, so a test that takes a
// permission away proves nothing when run as root (as the builds in containers do).
// While a WithoutFileOverride lives, a root process obeys file permissions as any user
// does: the capabilities that override them leave its effective set, and the programs
// it starts get no capabilities at all. For any other user it changes nothing.
//
// Capabilities belong to one thread: the file operations under test must run on the
// thread that made the guard (and in the processes it starts).

#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace taalspoor::testing {

class WithoutFileOverride {
public:
    WithoutFileOverride() {
        if (::geteuid() != 0) return;
        check(::syscall(SYS_capget, &header_, saved_), "capget");
        old_securebits_ = ::prctl(PR_GET_SECUREBITS);
        check(old_securebits_, "PR_GET_SECUREBITS");
        // Without this a program started from here would get every capability back, as
        // root does at each exec.
        check(::prctl(PR_SET_SECUREBITS, old_securebits_ | SECBIT_NOROOT), "PR_SET_SECUREBITS");
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            reduced[CAP_TO_INDEX(capability)].effective &= ~CAP_TO_MASK(capability);
        check(::syscall(SYS_capset, &header_, reduced), "capset");
        active_ = true;
    }
    ~WithoutFileOverride() {
        if (!active_) return;
        // The capability to change the secure bits comes back first.
        ::syscall(SYS_capset, &header_, saved_);
        ::prctl(PR_SET_SECUREBITS, old_securebits_);
    }
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

private:
    static void check(long result, const char* what) {
        if (result < 0) throw std::system_error(errno, std::generic_category(), what);
    }

    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    int old_securebits_ = 0;
    bool active_ = false;
};

}  // namespace taalspoor::testing
