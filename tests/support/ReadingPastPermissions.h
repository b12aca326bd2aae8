#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root reads past permissions by two capabilities. They belong to each thread, so the calling
// thread gives them up for as long as this lives, as a user's process has neither.
class WithoutReadingPastPermissions {
public:
    WithoutReadingPastPermissions() {
        syscall(SYS_capget, &header_, kept_);
        __user_cap_data_struct fewer[2] = {kept_[0], kept_[1]};
        fewer[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, fewer);
    }
    ~WithoutReadingPastPermissions() { syscall(SYS_capset, &header_, kept_); }
    WithoutReadingPastPermissions(const WithoutReadingPastPermissions&) = delete;
    WithoutReadingPastPermissions& operator=(const WithoutReadingPastPermissions&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct kept_[2]{};
};
