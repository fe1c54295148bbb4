#pragma once
#include <cerrno>
#include <string>
#include <vector>

#include "platform/FileSystemSeam.h"

namespace testsupport {

// How a disk may refuse to claim a name: FAT and exFAT, and some network disks, have no hard
// links; many have no no-replace rename either.
struct LinkRefusal {
    int link;
    int renameNoReplace;  // 0: the disk has it
    std::string Name() const { return "link errno " + std::to_string(link) + ", rename errno " + std::to_string(renameNoReplace); }
};

inline std::vector<LinkRefusal> LinkRefusals()
{
    return {{EPERM, 0}, {EXDEV, 0}, {EOPNOTSUPP, 0}, {ENOSYS, 0}, {EPERM, EINVAL}, {EXDEV, ENOSYS}};
}

// While it lives, the game's file calls behave as on such a disk.
class DiskWithoutLinks {
public:
    explicit DiskWithoutLinks(const LinkRefusal& refusal)
    {
        Platform::FileSystemSeam::RefuseLink(refusal.link);
        Platform::FileSystemSeam::RefuseRenameNoReplace(refusal.renameNoReplace);
    }
    ~DiskWithoutLinks()
    {
        Platform::FileSystemSeam::RefuseLink(0);
        Platform::FileSystemSeam::RefuseRenameNoReplace(0);
    }
    DiskWithoutLinks(const DiskWithoutLinks&) = delete;
    DiskWithoutLinks& operator=(const DiskWithoutLinks&) = delete;
};

}  // namespace testsupport
