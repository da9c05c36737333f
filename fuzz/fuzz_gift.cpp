// The GIFT importer on any bytes: see CheckImport.

#include "fuzz/fuzz_interchange.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckImport(data, size, interchange::Format::Gift);
    return 0;
}
