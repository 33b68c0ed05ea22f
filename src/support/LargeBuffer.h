#pragma once

#include <cstddef>

// Asks the system to back a large buffer with huge pages where it can (Linux). Filling
// hundreds of megabytes then costs a few hundred page faults instead of tens of
// thousands. Call it before the buffer is first written; small buffers and other
// systems are left as they are.
void AdviseLargeBuffer(void *data, std::size_t size);
