#pragma once

#include <sys/resource.h>

// While alive, no file of this process can grow past `bytes`: a write beyond
// fails as on a full disk (EFBIG), also when the tests run as root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};
