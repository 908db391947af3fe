#include "quenmoortools/dimensions/dimension_numbering.h"

#include <cmath>
#include <optional>

#include "platform/com/com_error.h"
#include "quenmoortools/toolkit/property_page_builder.h"

namespace quenmoor::dimensions {

namespace {

constexpr std::int32_t NumberingGroupId = 98;

// Calls `visit` with each dimension of the feature, in the order the host lists them.
template <class Visit>
void forEachDimension(host::IFeature& feature, Visit&& visit) {
    for (auto display = feature.GetFirstDisplayDimension(); display;
         display = feature.GetNextDisplayDimension(display)) {
        visit(*display->GetDimension());
    }
}

}  // namespace

void NumericNameList::appendNumericOf(const std::deque<std::string>& list1) {
    for (; filtered_ < list1.size(); ++filtered_) {
        if (const std::optional<double> value = com::parseDouble(list1[filtered_])) {
            names_.push_back(list1[filtered_]);
            values_.push_back(*value);
        }
    }
    passLengths_.push_back(names_.size());
}

std::int16_t NumericNameList::largest() {
    // Taking an entry leaves the largest at or above the entry's value rounded down, and the
    // largest never falls; so the names a pass appends again change nothing, and each run
    // takes up the scan where the last one stopped, at a name that failed if one did.
    for (; scanned_ < values_.size(); ++scanned_) {
        const double value = values_[scanned_];
        if (std::floor(value) > largest_) {
            if (std::nearbyint(value) > 32767) {
                throw com::ComError(com::CTL_E_OVERFLOW,
                                    "Overflow: the dimension name \"" + names_[scanned_] +
                                        "\" is beyond 32767, the largest number the "
                                        "numbering counts from");
            }
            largest_ = com::Variant(value).toInt16();  // halves to the even neighbour
        }
    }
    return largest_;
}

std::vector<std::string> NumericNameList::entries() const {
    std::vector<std::string> entries;
    for (const std::size_t length : passLengths_) {
        entries.insert(entries.end(), names_.begin(),
                       names_.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return entries;
}

NumberingLists& workingLists() {
    static NumberingLists lists;
    return lists;
}

bool isNumericName(std::string_view name) {
    return com::parseDouble(name).has_value();
}

void NumberingPage::build(host::ISldWorks& host, com::ComPtr<com::IDispatch> handler,
                          com::ComPtr<host::IPropertyManagerPage2>& currentPage) {
    const toolkit::PageBuilder page("Numerate Dimension Names", host, "Quenmoor",
                                    std::move(handler), currentPage);
    NumberingGroup = page.addGroup(NumberingGroupId, "Dim Numbers");
    // The message is a reminder only; a page that cannot show it still numbers on OK.
    page.page().SetMessage(NumberingMessage, 1);
    page.show();
}

void numberDimensions(host::IModelDoc2& document, toolkit::Int16Counter& counter) {
    const std::int32_t features = document.GetFeatureCount();
    if (features > 32767) {
        throw com::ComError(com::CTL_E_OVERFLOW,
                            "Overflow: the part has " + std::to_string(features) +
                                " features, more than the 32767 the numbering counts");
    }
    const auto count = static_cast<std::int16_t>(features);
    NumberingLists& lists = workingLists();

    // Collection pass, from the last feature of the tree to the first.
    for (counter.set(count); counter.value() >= 1;
         counter.set(static_cast<std::int16_t>(counter.value() - 1))) {
        auto feature = document.FeatureByPositionReverse(count - counter.value());
        forEachDimension(*feature, [&](host::IDimension& dimension) {
            lists.List1.push_back(dimension.Name());
        });
    }

    // The largest number is taken over every name seen since the lists were made, not only
    // this part's.
    lists.List2.appendNumericOf(lists.List1);
    const std::int16_t largest = lists.List2.largest();
    if (largest == 32767) {
        throw com::ComError(com::CTL_E_OVERFLOW,
                            "Overflow: the largest dimension number is 32767, "
                            "so no next number fits");
    }
    std::int32_t next = largest + 1;

    // Numbering pass, from the first feature of the tree to the last.
    for (counter.set(1); counter.value() <= count;
         counter.set(static_cast<std::int16_t>(counter.value() + 1))) {
        auto feature = document.FeatureByPositionReverse(count - counter.value());
        // The name is not used: asking for it stops at a feature the host no longer holds,
        // before any of its dimensions is renamed.
        feature->Name();
        forEachDimension(*feature, [&](host::IDimension& dimension) {
            if (!isNumericName(dimension.Name())) {
                dimension.SetName(std::to_string(next));
                ++next;
            }
        });
        if (counter.value() == 32767) {
            break;  // the last feature of a part as large as the counter allows
        }
    }
}

}  // namespace quenmoor::dimensions
