// libFuzzer target: any bytes as formula text end in a value or an error of the formula or value library.
#include "formula/Calculator.h"
#include "formula/Engine.h"
#include "platform/Errors.h"
#include "sheet/Sheet.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qv::InitEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static qv::TXLSheet sheet; // empty, so names resolve to Empty cells or to nothing
    try {
        qv::Variant result;
        qv::TXLCalculator calculator(&sheet);
        calculator.Calculate(std::string_view(reinterpret_cast<const char*>(data), size), result);
    } catch (const qv::EPlatformError&) {
        // formula errors derive from it too; anything else escapes and is a finding
    }
    return 0;
}
