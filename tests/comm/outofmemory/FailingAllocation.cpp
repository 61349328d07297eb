#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// Allocations left before the one that fails; negative: none fails.
long g_allocationsBeforeFailure = -1;
bool g_failed = false;

void* Allocate(std::size_t size)
{
    if (g_allocationsBeforeFailure == 0) {
        g_allocationsBeforeFailure = -1;
        g_failed = true;
        return nullptr;
    }
    if (g_allocationsBeforeFailure > 0)
        --g_allocationsBeforeFailure;
    return std::malloc(size ? size : 1);
}

}  // namespace

void FailAllocationAfter(long before)
{
    g_failed = false;
    g_allocationsBeforeFailure = before;
}

bool AllocationFailed()
{
    return g_failed;
}

void* operator new(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
