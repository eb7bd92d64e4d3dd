#pragma once

#include <QtGlobal>

// What memory this process can still have, as the system reports it.
namespace MemoryRoom
{

// The bytes this process can still allocate: the smallest of the memory the
// system has available (with free swap), what the address-space and data
// limits leave, and what the memory control group leaves. A figure that
// cannot be read is left out; with none at all, the largest qint64.
qint64 available();

} // namespace MemoryRoom
