// What came of an evaluation as one line of text, for tools and tests: "double 14", "string AB",
// "currency 3.0000", "empty", or `error <class> "<message>"` (with the position after a formula error).
#pragma once

#include "platform/Locale.h"
#include "platform/Variant.h"

#include <string>

namespace qv {

std::string DescribeValue(const Variant& value, const Locale& locale);
// Describes the exception being handled; only to be called inside a catch block.
std::string DescribeCurrentError();

} // namespace qv
