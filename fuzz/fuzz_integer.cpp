// StringToInteger against a scanner written from the integer-field grammar:
// both must accept the same texts with the same value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/core/convert.h"
#include "fuzz/check.h"
#include "fuzz/reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto got = qm::StringToInteger(text);
    const auto want = qm::ref::referenceInteger(text);
    if (got != want) {
        auto show = [](std::optional<std::int32_t> v) { return v ? std::to_string(*v) : std::string("failure"); };
        qm::fuzz::fail("StringToInteger(" + qm::fuzz::quoted(text) + ") = " + show(got) + ", the grammar says " +
                       show(want));
    }
    return 0;
}
