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

// A canvas at the oversampled size with a depth per sample.
class Canvas {
public:
    Canvas(int width, int height)
        : width_(width * Oversampling),
          height_(height * Oversampling),
          colour_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
          depth_(colour_.size(), -std::numeric_limits<double>::infinity()) {}

    int width() const { return width_; }
    int height() const { return height_; }

    void fill(auto shade) {
        for (int y = 0; y < height_; ++y) {
            Colour c = shade(static_cast<double>(y) / height_);
            std::fill_n(colour_.begin() + static_cast<std::ptrdiff_t>(y) * width_, width_, c);
        }
    }

    // Plots a sample when it is nearer than what is there; `bias` lets lines win over the
    // faces they lie on.
    void plot(int x, int y, double depth, Colour c, double bias = 0) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return;
        }
        std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                        static_cast<std::size_t>(x);
        if (depth + bias >= depth_[i]) {
            depth_[i] = std::max(depth_[i], depth);
            colour_[i] = c;
        }
    }

    // A line `thickness` samples wide.
    void line(ScreenPoint a, ScreenPoint b, Colour c, int thickness, double bias) {
        double steps = std::ceil(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
        int n = std::max(1, static_cast<int>(steps));
        for (int i = 0; i <= n; ++i) {
            double t = static_cast<double>(i) / n;
            int x = static_cast<int>(std::lround(a.x + (b.x - a.x) * t));
            int y = static_cast<int>(std::lround(a.y + (b.y - a.y) * t));
            double z = a.depth + (b.depth - a.depth) * t;
            for (int dy = 0; dy < thickness; ++dy) {
                for (int dx = 0; dx < thickness; ++dx) {
                    plot(x + dx - thickness / 2, y + dy - thickness / 2, z, c, bias);
                }
            }
        }
    }

    Image downsample() const {
        Image image{width_ / Oversampling, height_ / Oversampling, {}};
        image.rgb.resize(static_cast<std::size_t>(image.width) *
                         static_cast<std::size_t>(image.height) * 3);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                Colour sum;
                for (int sy = 0; sy < Oversampling; ++sy) {
                    for (int sx = 0; sx < Oversampling; ++sx) {
                        const Colour& c = colour_[static_cast<std::size_t>(y * Oversampling + sy) *
                                                      static_cast<std::size_t>(width_) +
                                                  static_cast<std::size_t>(x * Oversampling + sx)];
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    }
                }
                constexpr double Samples = Oversampling * Oversampling;
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

    int width_, height_;
    std::vector<Colour> colour_;
    std::vector<double> depth_;
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
        double shine = specular_ * std::pow(std::max(0.0, n.dot(half)), exponent_);
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
    double ambient_, diffuse_, specular_, exponent_, transparency_, emission_;
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
                  const std::array<Vec, 3>& normals, const Shader& shader, double canvasHeight) {
    double area = (s[1].x - s[0].x) * (s[2].y - s[0].y) - (s[2].x - s[0].x) * (s[1].y - s[0].y);
    if (std::abs(area) < 1e-12) {
        return;
    }
    int x0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].x, s[1].x, s[2].x}))));
    int x1 = std::min(canvas.width() - 1,
                      static_cast<int>(std::ceil(std::max({s[0].x, s[1].x, s[2].x}))));
    int y0 = std::max(0, static_cast<int>(std::floor(std::min({s[0].y, s[1].y, s[2].y}))));
    int y1 = std::min(canvas.height() - 1,
                      static_cast<int>(std::ceil(std::max({s[0].y, s[1].y, s[2].y}))));
    for (int y = y0; y <= y1; ++y) {
        double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            double px = x + 0.5;
            double w0 = ((s[1].x - px) * (s[2].y - py) - (s[2].x - px) * (s[1].y - py)) / area;
            double w1 = ((s[2].x - px) * (s[0].y - py) - (s[0].x - px) * (s[2].y - py)) / area;
            double w2 = 1 - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0) {
                continue;
            }
            double depth = w0 * s[0].depth + w1 * s[1].depth + w2 * s[2].depth;
            Vec normal = normals[0] * w0 + normals[1] * w1 + normals[2] * w2;
            canvas.plot(x, y, depth, shader.shade(normal, background(py / canvasHeight)));
        }
    }
}

void drawBody(Canvas& canvas, const Viewport& view, const Body& body, const Camera& camera,
              double edgeBias) {
    const TopoDS_Shape& shape = body.shape.data().shape;
    BRepMesh_IncrementalMesh(shape, 0.05, false, 0.3, false);
    Shader shader(camera, body.appearance);
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
            fillTriangle(canvas, screen, normals, shader, canvas.height());
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
                canvas.line(a, b, shader.edge(), Oversampling, edgeBias);
            }
        }
    }
}

}  // namespace

Image renderScene(const Scene& scene, int width, int height) {
    Canvas canvas(width, height);
    canvas.fill(background);
    Camera camera;
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
        return canvas.downsample();
    }
    Viewport view(camera, corners, canvas.width(), canvas.height());
    for (const Body& body : scene.bodies) {
        if (!body.shape.empty()) {
            drawBody(canvas, view, body, camera, 2e-3 * size);
        }
    }
    return canvas.downsample();
}

Image renderSheet(const Sheet& sheet, int width, int height) {
    Canvas canvas(width, height);
    canvas.fill([](double) { return Colour{1, 1, 1}; });
    double spanX = std::max(sheet.max.x - sheet.min.x, 1e-9);
    double spanY = std::max(sheet.max.y - sheet.min.y, 1e-9);
    double scale = 0.94 * std::min(canvas.width() / spanX, canvas.height() / spanY);
    double offsetX = (canvas.width() - scale * spanX) / 2 - scale * sheet.min.x;
    double offsetY = (canvas.height() + scale * spanY) / 2 + scale * sheet.min.y;
    auto at = [&](Point2 p) {
        return ScreenPoint{offsetX + scale * p.x, offsetY - scale * p.y, 0};
    };
    const Colour ink{0.1, 0.1, 0.12};
    auto polyline = [&](const std::vector<Point2>& points) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            canvas.line(at(points[i - 1]), at(points[i]), ink, Oversampling, 1);
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
    return canvas.downsample();
}

}  // namespace quenmoor::geometry
