// What a user finds in the folder after SaveAs2: exchange files that other programs read
// back into the same solid, closed meshes, real pictures and drawing outlines; and nothing
// at all when a save fails. Solids built from feature trees that cannot be built fail
// naming the document, the feature and the reason, so that the user knows which dimension
// to change.

#include <gtest/gtest.h>
#include <tiffio.h>
#include <unistd.h>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <IGESControl_Reader.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "cadhost/geometry/shape.h"
#include "cadhost/model/document_geometry.h"
#include "cadhost/model/host_model.h"
#include "platform/com/com_error.h"
#include "tests/support/com_error_of.h"
#include "tests/support/named_rows.h"
#include "tests/support/scratch_folder.h"

namespace quenmoor::cadhost {
namespace {

namespace fs = std::filesystem;

class ExportTest : public ::testing::Test {
protected:
    Document& open(const char* name) {
        return host_.openDocument(fs::path(QUENMOOR_EXAMPLES) / name);
    }
    // The save behind an add-in's SaveAs2.
    std::int32_t save(const Document& document, const std::string& name) {
        return host_.saveAs(document, folder_ / name);
    }
    double solidVolume(const Document& document) {
        double volume = 0;
        for (const auto& body : sceneOf(document, host_.documentSource()).bodies) {
            volume += body.shape.volume();
        }
        return volume;
    }

    quenmoor::testsupport::ScratchFolder folder_;
    HostModel host_;
};

// The volume and the number of solids that OpenCASCADE's STEP or IGES reader finds.
std::pair<double, int> readBack(const fs::path& file) {
    auto read = [&](XSControl_Reader&& reader) {
        EXPECT_EQ(reader.ReadFile(file.c_str()), IFSelect_RetDone) << file;
        reader.TransferRoots();
        return reader.OneShape();
    };
    const TopoDS_Shape shape =
        file.extension() == ".step" ? read(STEPControl_Reader()) : read(IGESControl_Reader());
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props);
    int solids = 0;
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
        ++solids;
    }
    return {props.Mass(), solids};
}

TEST_F(ExportTest, StepAndIgesReadBackIntoTheSameSolids) {
    for (const auto& [file, solids] : {std::pair{"bracket.json", 1}, std::pair{"frame.json", 2}}) {
        Document& document = open(file);
        const double expected = solidVolume(document);
        for (const char* extension : {".step", ".igs"}) {
            const std::string name = document.title() + extension;
            ASSERT_EQ(save(document, name), 0) << name;
            const auto [volume, found] = readBack(folder_ / name);
            EXPECT_EQ(found, solids) << name;
            EXPECT_NEAR(volume, expected, 1e-6 * expected) << name;
        }
    }
}

// A binary STL as triangles of float corners.
std::vector<std::array<std::array<float, 3>, 3>> readStl(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char header[80];
    std::uint32_t count = 0;
    in.read(header, sizeof header);
    in.read(reinterpret_cast<char*>(&count), sizeof count);
    std::vector<std::array<std::array<float, 3>, 3>> triangles(count);
    for (auto& t : triangles) {
        float normal[3];
        std::uint16_t attributes = 0;
        in.read(reinterpret_cast<char*>(normal), sizeof normal);
        in.read(reinterpret_cast<char*>(t.data()), sizeof t);
        in.read(reinterpret_cast<char*>(&attributes), sizeof attributes);
    }
    EXPECT_TRUE(in && in.peek() == EOF) << file << " is not a whole binary STL";
    return triangles;
}

TEST_F(ExportTest, StlIsAClosedMeshOfTheSolidsVolume) {
    Document& part = open("bracket.json");
    ASSERT_EQ(save(part, "bracket.stl"), 0);
    auto triangles = readStl(folder_ / "bracket.stl");
    ASSERT_GT(triangles.size(), 100U);

    // Closed and consistently oriented: every directed edge is matched by its reverse.
    std::map<std::array<float, 6>, int> edges;
    double volume = 0;
    for (const auto& t : triangles) {
        for (int i = 0; i < 3; ++i) {
            const auto& a = t[static_cast<std::size_t>(i)];
            const auto& b = t[static_cast<std::size_t>((i + 1) % 3)];
            ++edges[{a[0], a[1], a[2], b[0], b[1], b[2]}];
            --edges[{b[0], b[1], b[2], a[0], a[1], a[2]}];
        }
        const auto &p = t[0], &q = t[1], &r = t[2];
        volume += (p[0] * (q[1] * r[2] - q[2] * r[1]) - p[1] * (q[0] * r[2] - q[2] * r[0]) +
                   p[2] * (q[0] * r[1] - q[1] * r[0])) /
                  6.0;
    }
    EXPECT_TRUE(std::all_of(edges.begin(), edges.end(), [](const auto& e) {
        return e.second == 0;
    })) << "the mesh has open or doubled edges";
    EXPECT_NEAR(volume, solidVolume(part), 2e-3 * volume);

    // The export package's preferences steer the writer: 0 asks for a text STL.
    host_.setIntegerPreference(6, 0);
    ASSERT_EQ(save(part, "text.stl"), 0);
    std::ifstream text(folder_ / "text.stl");
    std::string first;
    text >> first;
    EXPECT_EQ(first, "solid");
}

TEST_F(ExportTest, TiffIsAShadedPictureInTheAppearanceColour) {
    Document& part = open("bracket.json");
    part.setMaterialValues({0.9, 0.1, 0.1, 1, 1, 0.2, 0.3, 0, 0});
    ASSERT_EQ(save(part, "bracket.tif"), 0);
    ASSERT_EQ(save(open("bracket-drawing.json"), "sheet.tif"), 0);

    for (const char* name : {"bracket.tif", "sheet.tif"}) {
        std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(TIFFOpen((folder_ / name).c_str(), "r"),
                                                    TIFFClose);
        ASSERT_TRUE(tiff) << name;
        std::uint32_t width = 0, height = 0;
        TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
        EXPECT_EQ(width, 1600U) << name;
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
        ASSERT_EQ(TIFFReadRGBAImageOriented(tiff.get(), width, height, pixels.data(),
                                            ORIENTATION_TOPLEFT, 0),
                  1);
        std::set<std::uint32_t> colours(pixels.begin(), pixels.end());
        std::size_t reddish = std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) {
            return TIFFGetR(p) > 2 * TIFFGetG(p) + 20 && TIFFGetR(p) > 2 * TIFFGetB(p) + 20;
        });
        if (std::strcmp(name, "bracket.tif") == 0) {
            EXPECT_EQ(height, 1200U);
            EXPECT_GT(reddish, pixels.size() / 10) << "the part is not drawn in its colour";
        } else {
            EXPECT_EQ(reddish, 0U);
            EXPECT_GT(colours.size(), 2U) << "the sheet is blank";
        }
    }
}

// Counts a DXF file's entities by layer and kind.
class EntityCounter : public DL_CreationAdapter {
public:
    void addLine(const DL_LineData&) override { ++count("line"); }
    void addArc(const DL_ArcData&) override { ++count("arc"); }
    void addCircle(const DL_CircleData&) override { ++count("circle"); }
    void addPolyline(const DL_PolylineData&) override { ++count("polyline"); }
    std::map<std::string, int> counts;

private:
    int& count(const char* kind) { return counts[attributes.getLayer() + " " + kind]; }
};

TEST_F(ExportTest, DxfHoldsEachViewsOutlineOnItsOwnLayer) {
    ASSERT_EQ(save(open("bracket-drawing.json"), "sheet.dxf"), 0);
    EntityCounter counter;
    DL_Dxf dxf;
    ASSERT_TRUE(dxf.in((folder_ / "sheet.dxf").string(), &counter));
    // The front view shows the plate's four sides and rounded corners, the slot's two
    // sides and round ends, and the hole.
    EXPECT_EQ(counter.counts["Front line"], 6);
    EXPECT_EQ(counter.counts["Front arc"], 6);
    EXPECT_EQ(counter.counts["Front circle"], 1);
    EXPECT_GE(counter.counts["Top line"], 4);
    // The isometric view draws the round edges as ellipses.
    EXPECT_GT(counter.counts["Isometric polyline"], 0);
}

TEST_F(ExportTest, AFailedSaveWritesNothingAndSaysWhy) {
    Document& part = open("bracket.json");
    ASSERT_EQ(save(part, "kept.step"), 0);
    const std::string before = quenmoor::testsupport::fileBytes(folder_ / "kept.step");

    Document& empty = host_.newDocument(host::DocumentPart, "empty");
    Document& drawing = open("bracket-drawing.json");
    struct Case {
        Document* document;
        std::string name;
        const char* reason;
    };
    const Case cases[] = {
        {&part, "bracket.sat", "no writer for \".sat\" files"},
        {&drawing, "sheet.step", "no writer for \".step\" files of a drawing"},
        {&part, "missing/bracket.step", "cannot create a file in"},
        {&empty, "empty.step", "\"empty\" has no solid to export"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(save(*c.document, c.name), 1) << c.name;
        ASSERT_FALSE(host_.saveFailures().empty());
        EXPECT_NE(host_.saveFailures().back().find(c.name), std::string::npos)
            << host_.saveFailures().back();
        EXPECT_NE(host_.saveFailures().back().find(c.reason), std::string::npos)
            << host_.saveFailures().back();
    }

    // A model that cannot be built fails before a file is touched, old ones included.
    part.features()[3]->dimensions()[0]->setValue(45);
    EXPECT_EQ(save(part, "kept.step"), 1);
    EXPECT_NE(host_.saveFailures().back().find("feature \"Fillet-1\""), std::string::npos);
    EXPECT_EQ(quenmoor::testsupport::fileBytes(folder_ / "kept.step"), before);
    EXPECT_EQ(folder_.entries(), std::vector<std::string>{"kept.step"})
        << "a temporary file was left";

    if (::geteuid() != 0) {  // root writes into read-only folders
        fs::permissions(folder_.path(), fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(save(part, "locked.stl"), 1);
    }
}

TEST_F(ExportTest, DimensionValuesShapeTheSolidAndTheirNamesDoNot) {
    Document& part = open("bracket.json");
    const double original = solidVolume(part);
    Dimension& length = *part.features()[0]->dimensions()[0];

    length.setName("Length");
    EXPECT_DOUBLE_EQ(solidVolume(part), original);

    length.setValue(150);
    const double longer = solidVolume(part);
    EXPECT_NEAR(longer - original, 30 * 60 * 8, 1e-6 * longer);  // a longer plate, same holes
    ASSERT_EQ(save(part, "longer.step"), 0);
    EXPECT_NEAR(readBack(folder_ / "longer.step").first, longer, 1e-6 * longer);
}

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
