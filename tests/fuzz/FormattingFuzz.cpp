// Fuzz target: any pattern formats any value: edit masks over text, number patterns over doubles, date-time
// patterns over date-times, each in time linear in what it is given.
#include "platform/DateTimeFormat.h"
#include "platform/FloatFormat.h"
#include "platform/Locale.h"
#include "platform/MaskFormat.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const qv::Locale& locale = in.ConsumeBool() ? qv::Locale::ChinaDefault() : qv::Locale::UnitedStates();
    const std::string pattern = in.ConsumeRandomLengthString(64);
    const double value = in.ConsumeFloatingPoint<double>();
    const std::string text = in.ConsumeRemainingBytesAsString();
    qv::FormatMaskText(pattern, text);
    qv::FormatFloat(pattern, value, locale);
    qv::FormatDateTime(pattern, value, locale);
    return 0;
}
