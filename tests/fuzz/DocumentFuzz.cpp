// Fuzz target: four fuzzed statement files in a data directory load as a document (each file read or reported),
// and the ratio and DuPont computations over them end in figures or one error.
#include "app/core/FinancialDocument.h"
#include "formula/Engine.h"
#include "platform/Errors.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string g_directory;

void Write(const std::string& name, const std::string& bytes)
{
    if (FILE* file = std::fopen((g_directory + "/" + name).c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qv::InitEngine();
    g_directory = "/tmp/qv-fuzz-document-" + std::to_string(getpid());
    std::filesystem::create_directories(g_directory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    for (const char* name : {"zcfz.dat", "sy.dat", "xjll.dat"})
        Write(name, in.ConsumeRandomLengthString(4096));
    Write("cwfx.dat", in.ConsumeRemainingBytesAsString());
    qv::FinancialDocument document;
    document.Load(g_directory);
    try {
        document.ComputeRatios();
        document.ComputeDuPont();
    } catch (const qv::EPlatformError&) {
        // A statement that does not compute is its own error.
    }
    return 0;
}
