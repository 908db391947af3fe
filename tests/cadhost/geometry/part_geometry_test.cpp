// Solids built from feature trees that cannot be built: the failure names the document, the
// feature and the reason, so that the user knows which dimension to change.

#include <gtest/gtest.h>

#include "cadhost/geometry/shape.h"
#include "platform/com/com_error.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"

namespace quenmoor::cadhost {
namespace {

using geometry::FeatureDefinition;

const FeatureDefinition Plate{"Base", "extrude", {100, 50, 10}, {}};

struct Impossible {
    const char* name;
    std::vector<FeatureDefinition> features;
    const char* message;
};

class ImpossiblePartTest : public ::testing::TestWithParam<Impossible> {};

TEST_P(ImpossiblePartTest, NamesTheFeatureAndTheReason) {
    EXPECT_TRUE(quenmoor::testsupport::failsNaming(
        [this] { geometry::buildPart("p", GetParam().features); }, GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Features, ImpossiblePartTest,
    ::testing::Values(Impossible{"CutFirst",
                                 {{"Cut-1", "cut", {20, 5}, {}}},
                                 "p: feature \"Cut-1\": there is no solid to work on yet"},
                      Impossible{"NoThickness",
                                 {{"Base", "extrude", {100, 50}, {}}},
                                 "feature \"Base\": needs a thickness as dimension 3"},
                      Impossible{"NegativeWidth",
                                 {{"Base", "extrude", {100, -50, 10}, {}}},
                                 "its width must be above 0, not -50"},
                      Impossible{"HoleOutside",
                                 {Plate, {"Hole-2", "hole", {6}, {200, 0}}},
                                 "the hole at (200, 0) misses the part"},
                      Impossible{"OneCoordinate",
                                 {Plate, {"Hole-3", "hole", {6}, {1}}},
                                 "a position is two numbers"},
                      Impossible{"HoleTooLarge",
                                 {Plate, {"Hole-4", "hole", {500}, {}}},
                                 "the hole removes the whole part"},
                      Impossible{"SlotShorterThanWide",
                                 {Plate, {"Slot", "cut", {5, 10}, {}}},
                                 "a slot's length (5) must be at least its width"},
                      Impossible{"FilletTooLarge",
                                 {Plate, {"Round", "fillet", {25}, {}}},
                                 "does not fit the plate's corners"}),
    quenmoor::testsupport::RowName());

// Sketches and planes carry no solid; a tree of them alone is an empty part.
TEST(PartGeometry, ATreeOfSketchesAloneIsAnEmptyPart) {
    EXPECT_TRUE(geometry::buildPart("p", {{"Sketch1", "sketch", {}, {}}}).empty());
}

}  // namespace
}  // namespace quenmoor::cadhost
