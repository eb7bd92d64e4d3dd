#pragma once

#include <cstddef>
#include <functional>

// Work cut into parts run on threads of their own.
namespace SideBySide
{

// Runs work(0) .. work(count - 1) side by side, work(0) on this thread, and
// waits for all of them; a part whose thread cannot be had runs here.
void run(size_t count, const std::function<void(size_t)> &work);

} // namespace SideBySide
