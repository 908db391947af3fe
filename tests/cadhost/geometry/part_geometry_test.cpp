// Solids built from feature trees that cannot be built: the failure names the document, the
// feature and the reason, so that the user knows which dimension to change.

#include <gtest/gtest.h>

#include "cadhost/geometry/shape.h"
#include "platform/com/com_error.h"

namespace quenmoor::cadhost {
namespace {

TEST(PartGeometry, ImpossibleFeaturesNameTheFeatureAndTheReason) {
    using geometry::FeatureDefinition;
    const FeatureDefinition plate{"Base", "extrude", {100, 50, 10}, {}};
    struct Case {
        std::vector<FeatureDefinition> features;
        const char* message;
    };
    const Case cases[] = {
        {{{"Cut-1", "cut", {20, 5}, {}}}, "p: feature \"Cut-1\": there is no solid to work on yet"},
        {{{"Base", "extrude", {100, 50}, {}}},
         "feature \"Base\": needs a thickness as dimension 3"},
        {{{"Base", "extrude", {100, -50, 10}, {}}}, "its width must be above 0, not -50"},
        {{plate, {"Hole-2", "hole", {6}, {200, 0}}}, "the hole at (200, 0) misses the part"},
        {{plate, {"Hole-3", "hole", {6}, {1}}}, "a position is two numbers"},
        {{plate, {"Hole-4", "hole", {500}, {}}}, "the hole removes the whole part"},
        {{plate, {"Slot", "cut", {5, 10}, {}}}, "a slot's length (5) must be at least its width"},
        {{plate, {"Round", "fillet", {25}, {}}}, "does not fit the plate's corners"},
    };
    for (const Case& c : cases) {
        try {
            geometry::buildPart("p", c.features);
            ADD_FAILURE() << "no error for: " << c.message;
        } catch (const com::ComError& e) {
            EXPECT_NE(e.description().find(c.message), std::string::npos) << e.description();
        }
    }
    // Sketches and planes carry no solid; a tree of them alone is an empty part.
    EXPECT_TRUE(geometry::buildPart("p", {{"Sketch1", "sketch", {}, {}}}).empty());
}

}  // namespace
}  // namespace quenmoor::cadhost
