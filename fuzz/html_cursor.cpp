// Moves the page cursor of the site objects through a page by a script of
// steps taken from the input: find, enter, enter a tag, leave, read.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sites/HtmlParser.h"

namespace {

// Markers the site objects look for, and a few the input makes up.
constexpr std::array<std::string_view, 12> kMarkers = {
    "<table", "</table>", "<tr>", "</tr>", "<td>", "</td>", "<a", "</a>", "<b>", "</b>", ">", ""};

std::string Marker(FuzzedDataProvider& input) {
    if (input.ConsumeBool()) {
        return input.ConsumeRandomLengthString(8);
    }
    return std::string(input.PickValueInArray(kMarkers));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint8_t steps = input.ConsumeIntegral<std::uint8_t>();
    const std::string script = input.ConsumeRandomLengthString(512);
    const std::string page = input.ConsumeRemainingBytesAsString();

    FuzzedDataProvider plan(reinterpret_cast<const std::uint8_t*>(script.data()), script.size());
    gb::sites::CHtmlParser cursor(page);
    for (int step = 0; step < steps && plan.remaining_bytes() > 0; ++step) {
        switch (plan.ConsumeIntegralInRange(0, 4)) {
            case 0:
                cursor.Find(Marker(plan), plan.ConsumeBool());
                break;
            case 1: {
                const std::string open = Marker(plan);
                cursor.Enter(open, Marker(plan));
                break;
            }
            case 2: {
                const std::string tag = Marker(plan);
                cursor.EnterTag(tag, Marker(plan));
                break;
            }
            case 3:
                cursor.Leave(Marker(plan));
                break;
            default:
                (void)cursor.GetText();
                break;
        }
    }
    return 0;
}
