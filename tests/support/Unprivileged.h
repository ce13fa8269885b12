#pragma once
// Root passes every permission check, so a folder without write permission stops every user but
// root, and the tests run as root here and in CI. While an Unprivileged lives, a process running
// as root acts as the unprivileged user "nobody" (uid and gid 65534): its effective ids only,
// which root may set and take back, so the destructor returns to root. A process that is not
// root keeps its own ids, which the folder stops already.
//
// The folders on the way to the file must let "nobody" through (search permission for others),
// else the save fails on the way rather than at the folder the test means.

#include <sys/types.h>
#include <unistd.h>

namespace fenra::test {

class Unprivileged {
  public:
    static constexpr uid_t kNobody = 65534;

    Unprivileged() {
        if (::geteuid() != 0) return;
        // The group first: once the user is no longer root it may not change its group.
        dropped_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        failed_ = !dropped_;
    }
    ~Unprivileged() {
        if (::getuid() != 0) return;  // a process that was never root has nothing to take back
        if (::seteuid(0) == 0) (void)::setegid(0);
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

    // False when the process was root and could not become "nobody": the test cannot hold then.
    bool Ok() const { return !failed_; }

  private:
    bool dropped_ = false;
    bool failed_ = false;
};

}  // namespace fenra::test
