#include "cadhost/geometry/exchange.h"

#include <sys/stat.h>
#include <tiffio.h>

#include <dxflib/dl_dxf.h>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Writer.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StlAPI_Writer.hxx>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "cadhost/geometry/render.h"
#include "cadhost/geometry/shape_data.h"
#include "platform/com/com_error.h"
#include "platform/com/text_case.h"
#include "platform/files/replacement_file.h"

namespace quenmoor::geometry {

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& why) {
    throw com::ComError(com::E_FAIL, path.string() + ": " + why);
}

enum class Format { Step, Iges, Stl, Tiff, Dxf, Unknown };

// The format a file name's extension selects, without regard to case.
Format formatOf(const std::filesystem::path& path) {
    static constexpr std::pair<std::string_view, Format> Extensions[] = {
        {".step", Format::Step}, {".stp", Format::Step}, {".igs", Format::Iges},
        {".iges", Format::Iges}, {".stl", Format::Stl},  {".tif", Format::Tiff},
        {".tiff", Format::Tiff}, {".dxf", Format::Dxf},
    };
    std::string extension = path.extension().string();
    for (const auto& [name, format] : Extensions) {
        if (com::equalsIgnoringCase(extension, name)) {
            return format;
        }
    }
    return Format::Unknown;
}

// The modelling kernel reports on standard output by default; the host keeps that clean
// for its scripts.
void quietKernel() {
    static const bool quiet = [] {
        Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        return true;
    }();
    static_cast<void>(quiet);
}

void writeAtomically(const std::filesystem::path& path,
                     const std::function<bool(const std::string&)>& writer) {
    quietKernel();
    try {
        files::ReplacementFile file(path);
        bool written = false;
        // The writers answer only yes or no; the system's reason, such as a full disk,
        // is left in errno by the write that failed.
        errno = 0;
        try {
            written = writer(file.temporaryPath());
        } catch (const Standard_Failure& e) {
            fail(path, std::string("the writer failed (") + e.GetMessageString() + ")");
        }
        struct stat info {};
        const int reason = errno;
        if (!written || ::stat(file.temporaryPath().c_str(), &info) != 0 || info.st_size == 0) {
            fail(path, reason != 0 ? std::string("the writer failed: ") + std::strerror(reason)
                                   : std::string("the writer failed"));
        }
        file.commit();
    } catch (const std::system_error& e) {
        throw com::fileError(e);
    }
}

bool writeStep(const TopoDS_Shape& shape, const std::string& file) {
    STEPControl_Writer writer;
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.unit", "MM");
    return writer.Transfer(shape, STEPControl_AsIs) == IFSelect_RetDone &&
           writer.Write(file.c_str()) == IFSelect_RetDone;
}

bool writeIges(const TopoDS_Shape& shape, const std::string& file) {
    IGESControl_Controller::Init();
    IGESControl_Writer writer("MM", 1);  // 1: faces and solids as B-rep entities
    if (!writer.AddShape(shape)) {
        return false;
    }
    writer.ComputeModel();
    return writer.Write(file.c_str());
}

bool writeStl(const TopoDS_Shape& shape, const std::string& file, const ExportOptions& options) {
    // Meshing a copy leaves the shared part's own triangulation, used for pictures, alone.
    TopoDS_Shape copy = BRepBuilderAPI_Copy(shape).Shape();
    BRepMesh_IncrementalMesh mesh(copy, options.chordTolerance, false, options.angleTolerance,
                                  false);
    if (!mesh.IsDone()) {
        return false;
    }
    StlAPI_Writer writer;
    writer.ASCIIMode() = !options.binaryStl;
    return writer.Write(copy, file.c_str());
}

bool writeTiff(const Image& image, const std::string& file) {
    std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(TIFFOpen(file.c_str(), "w"), TIFFClose);
    if (!tiff) {
        return false;
    }
    TIFF* t = tiff.get();
    TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(image.width));
    TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(image.height));
    TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(t, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
    TIFFSetField(t, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(t, TIFFTAG_XRESOLUTION, 96.0f);
    TIFFSetField(t, TIFFTAG_YRESOLUTION, 96.0f);
    TIFFSetField(t, TIFFTAG_SOFTWARE, "cadhost");
    std::vector<std::uint8_t> row;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* start = image.rgb.data() + static_cast<std::size_t>(y) *
                                                           static_cast<std::size_t>(image.width) *
                                                           3;
        row.assign(start, start + static_cast<std::size_t>(image.width) * 3);
        if (TIFFWriteScanline(t, row.data(), static_cast<std::uint32_t>(y), 0) < 0) {
            return false;
        }
    }
    return TIFFFlush(t) == 1;
}

bool writeDxf(const Sheet& sheet, const std::string& file) {
    DL_Dxf dxf;
    std::unique_ptr<DL_WriterA> out(dxf.out(file.c_str(), DL_Codes::AC1015));
    if (!out) {
        return false;
    }
    DL_WriterA& w = *out;
    dxf.writeHeader(w);
    w.sectionEnd();
    w.sectionTables();
    dxf.writeVPort(w);
    w.tableLinetypes(3);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    w.tableEnd();
    // A layer per view, so that a reader can tell the views apart.
    w.tableLayers(static_cast<int>(sheet.views.size()) + 1);
    DL_Attributes solid("", DL_Codes::black, 25, "CONTINUOUS", 1.0);
    dxf.writeLayer(w, DL_LayerData("0", 0), solid);
    for (const SheetView& view : sheet.views) {
        dxf.writeLayer(w, DL_LayerData(view.name, 0), solid);
    }
    w.tableEnd();
    w.tableStyle(1);
    dxf.writeStyle(w, DL_StyleData("standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(w);
    w.tableEnd();
    w.sectionEnd();
    w.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(w, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(w, block);
    }
    w.sectionEnd();
    w.sectionEntities();
    for (const SheetView& view : sheet.views) {
        DL_Attributes layer(view.name, 256, -1, "BYLAYER", 1.0);
        for (const SheetCurve& c : view.curves) {
            switch (c.kind) {
                case SheetCurve::Kind::Line:
                    dxf.writeLine(w,
                                  DL_LineData(c.points[0].x, c.points[0].y, 0, c.points[1].x,
                                              c.points[1].y, 0),
                                  layer);
                    break;
                case SheetCurve::Kind::Circle:
                    dxf.writeCircle(w, DL_CircleData(c.centre.x, c.centre.y, 0, c.radius), layer);
                    break;
                case SheetCurve::Kind::Arc:
                    dxf.writeArc(w, DL_ArcData(c.centre.x, c.centre.y, 0, c.radius, c.start, c.end),
                                 layer);
                    break;
                case SheetCurve::Kind::Polyline:
                    dxf.writePolyline(
                        w, DL_PolylineData(static_cast<int>(c.points.size()), 0, 0, 0), layer);
                    for (Point2 p : c.points) {
                        dxf.writeVertex(w, DL_VertexData(p.x, p.y, 0, 0));
                    }
                    dxf.writePolylineEnd(w);
                    break;
            }
        }
    }
    w.sectionEnd();
    dxf.writeObjects(w);
    dxf.writeObjectsEnd(w);
    w.dxfEOF();
    w.close();
    return true;
}

[[noreturn]] void noWriter(const std::filesystem::path& path, const char* what) {
    std::string extension = path.extension().string();
    fail(path, "this host has no writer for " +
                   (extension.empty() ? std::string("files without an extension")
                                      : "\"" + extension + "\" files") +
                   what);
}

}  // namespace

void exportScene(const Scene& scene, const std::filesystem::path& path,
                 const ExportOptions& options) {
    const Format format = formatOf(path);
    if (format == Format::Dxf || format == Format::Unknown) {
        noWriter(path, " of a part or an assembly");
    }
    if (scene.empty()) {
        fail(path, "\"" + scene.title + "\" has no solid to export");
    }
    TopoDS_Shape shape = compoundOf(scene);
    writeAtomically(path, [&](const std::string& file) {
        switch (format) {
            case Format::Step:
                return writeStep(shape, file);
            case Format::Iges:
                return writeIges(shape, file);
            case Format::Stl:
                return writeStl(shape, file, options);
            default:
                return writeTiff(renderScene(scene, options.pictureWidth, options.pictureHeight),
                                 file);
        }
    });
}

void exportSheet(const Sheet& sheet, const std::filesystem::path& path,
                 const ExportOptions& options) {
    const Format format = formatOf(path);
    if (format != Format::Dxf && format != Format::Tiff) {
        noWriter(path, " of a drawing");
    }
    if (sheet.empty()) {
        fail(path, "drawing \"" + sheet.title + "\" has no view with an outline");
    }
    writeAtomically(path, [&](const std::string& file) {
        if (format == Format::Dxf) {
            return writeDxf(sheet, file);
        }
        // The picture keeps the sheet's proportions at the configured width.
        double aspect = (sheet.max.y - sheet.min.y) / std::max(sheet.max.x - sheet.min.x, 1e-9);
        int height = std::clamp(static_cast<int>(options.pictureWidth * aspect), 200, 4000);
        return writeTiff(renderSheet(sheet, options.pictureWidth, height), file);
    });
}

}  // namespace quenmoor::geometry
