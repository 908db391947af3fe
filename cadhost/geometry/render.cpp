#include "cadhost/geometry/render.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <Poly_PolygonOnTriangulation.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "cadhost/geometry/shape_data.h"

namespace quenmoor::geometry {

namespace {

// Pictures are drawn at twice their size and averaged down, which smooths the edges.
constexpr int Oversampling = 2;

struct Vec {
    double x = 0, y = 0, z = 0;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double s) const { return {x * s, y * s, z * s}; }
    double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
    Vec cross(Vec o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    Vec unit() const {
        double n = std::sqrt(dot(*this));
        return n > 0 ? *this * (1 / n) : *this;
    }
};

// The camera: an orthographic view from the front right, above the part.
struct Camera {
    Vec towardViewer = Vec{0.55, -0.75, 0.65}.unit();
    Vec right = Vec{0, 0, 1}.cross(towardViewer).unit();
    Vec up = towardViewer.cross(right).unit();
};

struct ScreenPoint {
    double x, y, depth;  // depth grows toward the viewer
};

struct Colour {
    double r = 0, g = 0, b = 0;
};

class Shader;

// What one sample of the canvas shows. Surfaces keep their normal and are shaded once, when
// the picture is resolved, so hidden surfaces cost no lighting.
struct Sample {
    float depth = -std::numeric_limits<float>::infinity();
    std::int16_t normal[3] = {0, 0, 0};  // unit normal times 32767
    // -1 the background, -2 ink, 2k a surface of body k, 2k + 1 an edge of body k.
    std::int16_t kind = -1;
};

constexpr std::int16_t Ink = -2;

// A canvas at the oversampled size, resolved to colours when downsampled.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width * Oversampling), height_(height * Oversampling), samples_(buffer()) {
        // The host redraws its window often; reusing the last buffer spares the system
        // mapping fresh memory each time, which costs more than the drawing.
        const std::size_t size =
            static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
        if (samples_.capacity() > 2 * size) {
            std::vector<Sample>().swap(samples_);
        }
        samples_.assign(size, Sample{});
    }

    int width() const { return width_; }
    int height() const { return height_; }

    Sample& at(int x, int y) {
        return samples_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x)];
    }

    // Marks a sample when it is nearer than what is there; `bias` lets lines win over the
    // faces they lie on.
    void plot(int x, int y, double depth, std::int16_t kind, double bias = 0) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return;
        }
        Sample& s = at(x, y);
        if (depth + bias >= s.depth) {
            s.depth = std::max(s.depth, static_cast<float>(depth));
            s.kind = kind;
        }
    }

    // A line `thickness` samples wide.
    void line(ScreenPoint a, ScreenPoint b, std::int16_t kind, int thickness, double bias) {
        double steps = std::ceil(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
        int n = std::max(1, static_cast<int>(steps));
        for (int i = 0; i <= n; ++i) {
            double t = static_cast<double>(i) / n;
            int x = static_cast<int>(std::lround(a.x + (b.x - a.x) * t));
            int y = static_cast<int>(std::lround(a.y + (b.y - a.y) * t));
            double z = a.depth + (b.depth - a.depth) * t;
            for (int dy = 0; dy < thickness; ++dy) {
                for (int dx = 0; dx < thickness; ++dx) {
                    plot(x + dx - thickness / 2, y + dy - thickness / 2, z, kind, bias);
                }
            }
        }
    }

    // Averages each pixel's samples, coloured by `colourOf(sample, row fraction)`.
    template <typename ColourOf>
    Image downsample(const ColourOf& colourOf) {
        Image image{width_ / Oversampling, height_ / Oversampling, {}};
        image.rgb.resize(static_cast<std::size_t>(image.width) *
                         static_cast<std::size_t>(image.height) * 3);
        constexpr double Samples = Oversampling * Oversampling;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                Colour sum;
                for (int sy = 0; sy < Oversampling; ++sy) {
                    int row = y * Oversampling + sy;
                    double t = static_cast<double>(row) / height_;
                    for (int sx = 0; sx < Oversampling; ++sx) {
                        Colour c = colourOf(at(x * Oversampling + sx, row), t);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    }
                }
                std::uint8_t* p = image.pixel(x, y);
                p[0] = toByte(sum.r / Samples);
                p[1] = toByte(sum.g / Samples);
                p[2] = toByte(sum.b / Samples);
            }
        }
        return image;
    }

private:
    static std::uint8_t toByte(double v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    }

    static std::vector<Sample>& buffer() {
        thread_local std::vector<Sample> samples;
        return samples;
    }

    int width_, height_;
    std::vector<Sample>& samples_;
};

// Maps model points onto the canvas so that everything in `bounds` fits with a margin.
class Viewport {
public:
    Viewport(const Camera& camera, const std::vector<Vec>& corners, int width, int height)
        : camera_(camera) {
        double lowX = 1e300, lowY = 1e300, highX = -1e300, highY = -1e300;
        for (Vec p : corners) {
            lowX = std::min(lowX, p.dot(camera.right));
            highX = std::max(highX, p.dot(camera.right));
            lowY = std::min(lowY, p.dot(camera.up));
            highY = std::max(highY, p.dot(camera.up));
        }
        double spanX = std::max(highX - lowX, 1e-9), spanY = std::max(highY - lowY, 1e-9);
        scale_ = 0.84 * std::min(width / spanX, height / spanY);
        offsetX_ = width / 2.0 - scale_ * (lowX + highX) / 2;
        offsetY_ = height / 2.0 + scale_ * (lowY + highY) / 2;
    }

    ScreenPoint operator()(Vec p) const {
        return {offsetX_ + scale_ * p.dot(camera_.right), offsetY_ - scale_ * p.dot(camera_.up),
                p.dot(camera_.towardViewer)};
    }

private:
    Camera camera_;
    double scale_ = 1, offsetX_ = 0, offsetY_ = 0;
};

// Blinn-Phong with a key light over the viewer's left shoulder and a weaker fill light.
class Shader {
public:
    Shader(const Camera& camera, const std::vector<double>& appearance) : camera_(camera) {
        auto value = [&](std::size_t i, double fallback) {
            return i < appearance.size() ? appearance[i] : fallback;
        };
        base_ = {value(0, 0.75), value(1, 0.75), value(2, 0.78)};
        ambient_ = value(3, 1.0);
        diffuse_ = value(4, 1.0);
        specular_ = value(5, 0.5);
        exponent_ = 4 + 124 * value(6, 0.3);
        transparency_ = value(7, 0);
        emission_ = value(8, 0);
        // Below this cosine the highlight adds less than a thousandth; pow is not worth it.
        cutoff_ = std::pow(1e-3, 1 / exponent_);
        key_ = (camera.towardViewer + camera.up * 0.6 - camera.right * 0.5).unit();
        fill_ = (camera.towardViewer + camera.right * 0.8 - camera.up * 0.2).unit();
    }

    Colour shade(Vec normal, Colour behind) const {
        Vec n = normal.unit();
        if (n.dot(camera_.towardViewer) < 0) {
            n = n * -1.0;  // the inside of a face seen through a gap
        }
        double light = 0.25 * ambient_ + diffuse_ * (0.75 * std::max(0.0, n.dot(key_)) +
                                                     0.25 * std::max(0.0, n.dot(fill_)));
        Vec half = (key_ + camera_.towardViewer).unit();
        double nh = n.dot(half);
        double shine = nh > cutoff_ ? specular_ * std::pow(nh, exponent_) : 0.0;
        auto channel = [&](double c, double b) {
            double lit = c * (light + emission_) + shine;
            return (1 - transparency_) * lit + transparency_ * b;
        };
        return {channel(base_.r, behind.r), channel(base_.g, behind.g), channel(base_.b, behind.b)};
    }

    Colour edge() const { return {base_.r * 0.25, base_.g * 0.25, base_.b * 0.25}; }

private:
    Camera camera_;
    Colour base_;
    double ambient_, diffuse_, specular_, exponent_, transparency_, emission_, cutoff_;
    Vec key_, fill_;
};

Colour background(double t) {
    // The host's graded backdrop: a cool grey-blue at the top to near white below.
    return {0.72 + 0.24 * t, 0.78 + 0.19 * t, 0.86 + 0.12 * t};
}

Vec vec(const gp_Pnt& p) {
    return {p.X(), p.Y(), p.Z()};
}
Vec vec(const gp_Dir& d) {
    return {d.X(), d.Y(), d.Z()};
}

void fillTriangle(Canvas& canvas, const std::array<ScreenPoint, 3>& s,
                  const std::array<Vec, 3>& normals, std::int16_t kind) {
    double area = (s[1].x - s[0].x) * (s[2].y - s[0].y) - (s[2].x - s[0].x) * (s[1].y - s[0].y);
    if (std::abs(area) < 1e-12) {
        return;
    }
    const double inverse = 1 / area;
    int x0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].x, s[1].x, s[2].x}))));
    int x1 = std::min(canvas.width() - 1,
                      static_cast<int>(std::ceil(std::max({s[0].x, s[1].x, s[2].x}))));
    int y0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].y, s[1].y, s[2].y}))));
    int y1 = std::min(canvas.height() - 1,
                      static_cast<int>(std::ceil(std::max({s[0].y, s[1].y, s[2].y}))));
    // The barycentric weights change by a constant step from one sample to the next.
    const double step0 = (s[1].y - s[2].y) * inverse, step1 = (s[2].y - s[0].y) * inverse;
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        // Only the span between the triangle's sides on this row is visited: long thin
        // triangles, common on flat faces with holes, would otherwise cost their whole box.
        double spanLow = x1 + 1.0, spanHigh = x0 - 1.0;
        for (int e = 0; e < 3; ++e) {
            const ScreenPoint& p = s[static_cast<std::size_t>(e)];
            const ScreenPoint& q = s[static_cast<std::size_t>((e + 1) % 3)];
            if ((p.y <= py && py <= q.y) || (q.y <= py && py <= p.y)) {
                double x = p.y == q.y ? p.x : p.x + (py - p.y) * (q.x - p.x) / (q.y - p.y);
                spanLow = std::min({spanLow, x, p.y == q.y ? q.x : x});
                spanHigh = std::max({spanHigh, x, p.y == q.y ? q.x : x});
            }
        }
        const int from = std::max(x0, static_cast<int>(std::floor(spanLow - 0.5)));
        const int to = std::min(x1, static_cast<int>(std::ceil(spanHigh - 0.5)));
        const double px = from + 0.5;
        double w0 = ((s[1].x - px) * (s[2].y - py) - (s[2].x - px) * (s[1].y - py)) * inverse;
        double w1 = ((s[2].x - px) * (s[0].y - py) - (s[0].x - px) * (s[2].y - py)) * inverse;
        for (int x = from; x <= to; ++x, w0 += step0, w1 += step1) {
            double w2 = 1 - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0) {
                continue;
            }
            double depth = w0 * s[0].depth + w1 * s[1].depth + w2 * s[2].depth;
            Sample& sample = canvas.at(x, y);
            if (depth < sample.depth) {
                continue;
            }
            Vec n = (normals[0] * w0 + normals[1] * w1 + normals[2] * w2).unit() * 32767.0;
            sample = {static_cast<float>(depth),
                      {static_cast<std::int16_t>(n.x), static_cast<std::int16_t>(n.y),
                       static_cast<std::int16_t>(n.z)},
                      kind};
        }
    }
}

void drawBody(Canvas& canvas, const Viewport& view, const Body& body, std::int16_t index,
              double edgeBias) {
    const TopoDS_Shape& shape = body.shape.data().shape;
    BRepMesh_IncrementalMesh(shape, 0.05, false, 0.3, false);
    const auto surface = static_cast<std::int16_t>(2 * index);
    const auto edge = static_cast<std::int16_t>(2 * index + 1);
    for (TopExp_Explorer faces(shape, TopAbs_FACE); faces.More(); faces.Next()) {
        const TopoDS_Face& face = TopoDS::Face(faces.Current());
        TopLoc_Location location;
        Handle(Poly_Triangulation) mesh = BRep_Tool::Triangulation(face, location);
        if (mesh.IsNull()) {
            continue;
        }
        if (!mesh->HasNormals()) {
            mesh->ComputeNormals();  // in the surface's sense, turned below for reversed faces
        }
        const gp_Trsf& move = location.Transformation();
        bool reversed = face.Orientation() == TopAbs_REVERSED;
        for (int t = 1; t <= mesh->NbTriangles(); ++t) {
            int n[3];
            mesh->Triangle(t).Get(n[0], n[1], n[2]);
            std::array<ScreenPoint, 3> screen;
            std::array<Vec, 3> normals;
            for (int k = 0; k < 3; ++k) {
                screen[static_cast<std::size_t>(k)] = view(vec(mesh->Node(n[k]).Transformed(move)));
                gp_Dir normal = mesh->Normal(n[k]).Transformed(move);
                normals[static_cast<std::size_t>(k)] = vec(normal) * (reversed ? -1.0 : 1.0);
            }
            fillTriangle(canvas, screen, normals, surface);
        }
        for (TopExp_Explorer edges(face, TopAbs_EDGE); edges.More(); edges.Next()) {
            Handle(Poly_PolygonOnTriangulation) polygon =
                BRep_Tool::PolygonOnTriangulation(TopoDS::Edge(edges.Current()), mesh, location);
            if (polygon.IsNull()) {
                continue;
            }
            for (int i = 1; i < polygon->NbNodes(); ++i) {
                ScreenPoint a = view(vec(mesh->Node(polygon->Node(i)).Transformed(move)));
                ScreenPoint b = view(vec(mesh->Node(polygon->Node(i + 1)).Transformed(move)));
                canvas.line(a, b, edge, Oversampling, edgeBias);
            }
        }
    }
}

}  // namespace

Image renderScene(const Scene& scene, int width, int height) {
    Canvas canvas(width, height);
    Camera camera;
    std::vector<Shader> shaders;
    for (const Body& body : scene.bodies) {
        shaders.emplace_back(camera, body.appearance);
    }
    auto colourOf = [&](const Sample& sample, double row) {
        if (sample.kind < 0) {
            return background(row);
        }
        const Shader& shader = shaders[static_cast<std::size_t>(sample.kind / 2)];
        if (sample.kind % 2 == 1) {
            return shader.edge();
        }
        return shader.shade(
            {static_cast<double>(sample.normal[0]), static_cast<double>(sample.normal[1]),
             static_cast<double>(sample.normal[2])},
            background(row));
    };
    std::vector<Vec> corners;
    double size = 0;
    for (const Body& body : scene.bodies) {
        if (body.shape.empty()) {
            continue;
        }
        Shape::Bounds b = body.shape.bounds();
        for (int i = 0; i < 8; ++i) {
            corners.push_back({b.min[0] + (i & 1 ? b.max[0] - b.min[0] : 0),
                               b.min[1] + (i & 2 ? b.max[1] - b.min[1] : 0),
                               b.min[2] + (i & 4 ? b.max[2] - b.min[2] : 0)});
        }
        size = std::max({size, b.max[0] - b.min[0], b.max[1] - b.min[1], b.max[2] - b.min[2]});
    }
    if (corners.empty()) {
        return canvas.downsample(colourOf);
    }
    Viewport view(camera, corners, canvas.width(), canvas.height());
    for (std::size_t i = 0; i < scene.bodies.size() && i < 16000; ++i) {
        if (!scene.bodies[i].shape.empty()) {
            drawBody(canvas, view, scene.bodies[i], static_cast<std::int16_t>(i), 2e-3 * size);
        }
    }
    return canvas.downsample(colourOf);
}

Image renderSheet(const Sheet& sheet, int width, int height) {
    Canvas canvas(width, height);
    double spanX = std::max(sheet.max.x - sheet.min.x, 1e-9);
    double spanY = std::max(sheet.max.y - sheet.min.y, 1e-9);
    double scale = 0.94 * std::min(canvas.width() / spanX, canvas.height() / spanY);
    double offsetX = (canvas.width() - scale * spanX) / 2 - scale * sheet.min.x;
    double offsetY = (canvas.height() + scale * spanY) / 2 + scale * sheet.min.y;
    auto at = [&](Point2 p) {
        return ScreenPoint{offsetX + scale * p.x, offsetY - scale * p.y, 0};
    };
    auto polyline = [&](const std::vector<Point2>& points) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            canvas.line(at(points[i - 1]), at(points[i]), Ink, Oversampling, 1);
        }
    };
    for (const SheetView& view : sheet.views) {
        for (const SheetCurve& curve : view.curves) {
            if (curve.kind == SheetCurve::Kind::Circle || curve.kind == SheetCurve::Kind::Arc) {
                double from = curve.kind == SheetCurve::Kind::Circle ? 0 : curve.start;
                double to = curve.kind == SheetCurve::Kind::Circle ? 360 : curve.end;
                if (to <= from) {
                    to += 360;
                }
                std::vector<Point2> points;
                int steps = std::max(8, static_cast<int>((to - from) / 4));
                for (int i = 0; i <= steps; ++i) {
                    double a = (from + (to - from) * i / steps) * std::numbers::pi / 180;
                    points.push_back({curve.centre.x + curve.radius * std::cos(a),
                                      curve.centre.y + curve.radius * std::sin(a)});
                }
                polyline(points);
            } else {
                polyline(curve.points);
            }
        }
    }
    return canvas.downsample([](const Sample& sample, double) {
        return sample.kind == Ink ? Colour{0.1, 0.1, 0.12} : Colour{1, 1, 1};
    });
}

}  // namespace quenmoor::geometry
