// Regions of the design plane as signed distance functions (negative inside), so outlines,
// unions and cut-outs are one line each: grow a region by d to get its outline.
#pragma once

#include <functional>
#include <memory>
#include <vector>

struct Box {
    double x0, y0, x1, y1;
};

struct Point {
    double x, y;
};

class Shape {
  public:
    Shape(Box bounds, std::function<double(double, double)> distance);
    double distance(double x, double y) const { return (*dist_)(x, y); }
    bool contains(double x, double y) const { return distance(x, y) <= 0.0; }
    const Box& bounds() const { return bounds_; }

    Shape grown(double d) const;
    Shape moved(double dx, double dy) const;

  private:
    Box bounds_;
    std::shared_ptr<const std::function<double(double, double)>> dist_;
};

Shape rect(double x0, double y0, double x1, double y1, double radius = 0.0);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape circle(double cx, double cy, double r);
Shape polygon(std::vector<Point> points);
// A star with the given number of points, one pointing up.
Shape star(double cx, double cy, double outer, double inner, int points);
// A stroke of the given width between two points, with round ends.
Shape line(Point a, Point b, double width);
// A polyline of strokes.
Shape path(const std::vector<Point>& points, double width);

Shape unite(const Shape& a, const Shape& b);
Shape unite(const std::vector<Shape>& shapes);
Shape intersect(const Shape& a, const Shape& b);
Shape subtract(const Shape& a, const Shape& b);
