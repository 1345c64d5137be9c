#include "shape.h"

#include <algorithm>
#include <cmath>

static double length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

Shape::Shape(Box bounds, std::function<double(double, double)> distance)
    : bounds_(bounds),
      dist_(std::make_shared<const std::function<double(double, double)>>(std::move(distance))) {}

Shape Shape::grown(double d) const {
    auto inner = dist_;
    Box b{bounds_.x0 - d, bounds_.y0 - d, bounds_.x1 + d, bounds_.y1 + d};
    return Shape(b, [inner, d](double x, double y) { return (*inner)(x, y) - d; });
}

Shape Shape::moved(double dx, double dy) const {
    auto inner = dist_;
    Box b{bounds_.x0 + dx, bounds_.y0 + dy, bounds_.x1 + dx, bounds_.y1 + dy};
    return Shape(b, [inner, dx, dy](double x, double y) { return (*inner)(x - dx, y - dy); });
}

Shape rect(double x0, double y0, double x1, double y1, double radius) {
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double hx = std::abs(x1 - x0) / 2, hy = std::abs(y1 - y0) / 2;
    radius = std::min(radius, std::min(hx, hy));
    return Shape({cx - hx, cy - hy, cx + hx, cy + hy}, [=](double x, double y) {
        double qx = std::abs(x - cx) - hx + radius, qy = std::abs(y - cy) - hy + radius;
        double outside = length(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - radius;
    });
}

Shape ellipse(double cx, double cy, double rx, double ry) {
    double scale = std::min(rx, ry);
    return Shape({cx - rx, cy - ry, cx + rx, cy + ry}, [=](double x, double y) {
        return (length((x - cx) / rx, (y - cy) / ry) - 1.0) * scale;
    });
}

Shape circle(double cx, double cy, double r) {
    return ellipse(cx, cy, r, r);
}

static double segmentDistance(double px, double py, Point a, Point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
    return length(px - (a.x + t * dx), py - (a.y + t * dy));
}

static Box boundsOf(const std::vector<Point>& points, double pad) {
    Box b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return {b.x0 - pad, b.y0 - pad, b.x1 + pad, b.y1 + pad};
}

Shape polygon(std::vector<Point> points) {
    Box b = boundsOf(points, 0.0);
    return Shape(b, [pts = std::move(points)](double x, double y) {
        double best = 1e30;
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Point &a = pts[i], &c = pts[j];
            best = std::min(best, segmentDistance(x, y, a, c));
            if ((a.y > y) != (c.y > y) && x < (c.x - a.x) * (y - a.y) / (c.y - a.y) + a.x)
                inside = !inside;
        }
        return inside ? -best : best;
    });
}

Shape star(double cx, double cy, double outer, double inner, int points) {
    std::vector<Point> pts;
    for (int i = 0; i < points * 2; ++i) {
        double a = -1.5707963267948966 + i * 3.14159265358979323846 / points;
        double r = i % 2 == 0 ? outer : inner;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return polygon(pts);
}

Shape line(Point a, Point b, double width) {
    return path({a, b}, width);
}

Shape path(const std::vector<Point>& points, double width) {
    double half = width / 2;
    return Shape(boundsOf(points, half), [pts = points, half](double x, double y) {
        double best = 1e30;
        for (size_t i = 0; i + 1 < pts.size(); ++i)
            best = std::min(best, segmentDistance(x, y, pts[i], pts[i + 1]));
        return best - half;
    });
}

static Box boxUnion(const Box& a, const Box& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape unite(const Shape& a, const Shape& b) {
    return unite(std::vector<Shape>{a, b});
}

Shape unite(const std::vector<Shape>& shapes) {
    Box b = shapes.front().bounds();
    for (const Shape& s : shapes)
        b = boxUnion(b, s.bounds());
    return Shape(b, [shapes](double x, double y) {
        double best = 1e30;
        for (const Shape& s : shapes) {
            const Box& sb = s.bounds();
            // Far outside a part's bounds its exact distance cannot win.
            double gap = std::max({sb.x0 - x, x - sb.x1, sb.y0 - y, y - sb.y1, 0.0});
            if (gap < best)
                best = std::min(best, s.distance(x, y));
        }
        return best;
    });
}

Shape intersect(const Shape& a, const Shape& b) {
    Box ab = a.bounds(), bb = b.bounds();
    Box box{std::max(ab.x0, bb.x0), std::max(ab.y0, bb.y0), std::min(ab.x1, bb.x1),
            std::min(ab.y1, bb.y1)};
    return Shape(
        box, [a, b](double x, double y) { return std::max(a.distance(x, y), b.distance(x, y)); });
}

Shape subtract(const Shape& a, const Shape& b) {
    return Shape(a.bounds(), [a, b](double x, double y) {
        return std::max(a.distance(x, y), -b.distance(x, y));
    });
}
