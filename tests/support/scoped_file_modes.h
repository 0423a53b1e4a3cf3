#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root writes any file whatever its mode. Without CAP_DAC_OVERRIDE in effect it obeys the mode like
// everyone else; capabilities belong to the thread, and the diary is opened on this one.
class ScopedFileModesObeyed {
public:
    ScopedFileModesObeyed()
    {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        changed_ = syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~ScopedFileModesObeyed()
    {
        if (changed_)
            syscall(SYS_capset, &header_, saved_);
    }
    ScopedFileModesObeyed(const ScopedFileModesObeyed&) = delete;
    ScopedFileModesObeyed& operator=(const ScopedFileModesObeyed&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool changed_ = false;
};
