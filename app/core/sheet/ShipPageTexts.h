#pragma once
// The Shipping page of the item sheet: where, how and when the item went.

#include <optional>
#include <string>

#include "app/core/sheet/PickedDate.h"
#include "itemdb/AucItem.h"

namespace gb::app {

struct ShipPageTexts {
    std::string address;  // lines separated by line feeds, as the edit box holds them
    std::string shippingMethod;
    std::string shipCost;
    std::string insuranceCost;
    std::string weight;
    std::optional<PickedDate> shipDate;
    std::string shippingNote;

    static ShipPageTexts Read(const itemdb::CAucItem& item);

    // A shipping cost entered: an item not yet shipped is shipped today.
    void ShipCostEntered();

    // The address; then Ship Cost and Insurance Cost, stopping at the first
    // that does not parse; the ship date, Weight, Shipping Method and
    // Shipping Note in any case. Gives the refusal's message.
    std::optional<std::string> Store(itemdb::CAucItem& item) const;
};

}  // namespace gb::app
