#include "common/SideBySide.h"

#include <system_error>
#include <thread>
#include <vector>

namespace SideBySide
{

void run(size_t count, const std::function<void(size_t)> &work)
{
    std::vector<std::thread> helpers;
    for (size_t p = 1; p < count; ++p) {
        try {
            helpers.emplace_back(work, p);
        } catch (const std::system_error &) {
            work(p); // no thread to be had: done here
        }
    }
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace SideBySide
