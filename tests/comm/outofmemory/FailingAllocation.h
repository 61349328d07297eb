// The test program's global allocation functions, of which any one allocation
// can be made to fail. They stand in a file of their own: inlined into the
// code that frees, their release of what their own new gave would look like a
// mismatched pair to the compiler.
#pragma once

// Makes the allocation that follows `before` successful ones fail, and
// forgets an earlier failure; negative: none fails.
void FailAllocationAfter(long before);
// Whether an allocation failed since FailAllocationAfter.
bool AllocationFailed();
