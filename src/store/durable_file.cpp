#include "store/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace quillan {

bool syncToDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

}  // namespace quillan
